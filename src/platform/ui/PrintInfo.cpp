#include "platform/ui/PrintInfo.h"

#include "platform/ui/Environment.h"

namespace platform {

std::shared_ptr<PrintInfo> PrintInfo::sharedPrintInfo() {
    return Environment::current().sharedPrintInfo.get();
}

void PrintInfo::setSharedPrintInfo(std::shared_ptr<PrintInfo> printInfo) {
    Environment::current().sharedPrintInfo.set(std::move(printInfo));
}

} // namespace platform
