#include "gui/DesktopRequestPerformer.h"

#include "platform/base/OperationQueue.h"
#include "platform/base/URL.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Application.h"
#include "platform/ui/CommandLine.h"
#include "platform/ui/DocumentController.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/ScriptCommand.h"
#include "platform/ui/ServicesRegistry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace gui {
namespace {

using Kind = platform::DesktopRequest::Kind;

// What the user selected last (PRIMARY), as bytes of text; none when nobody owns it or
// it holds no text. Never the clipboard: it may hold a copied password.
std::optional<platform::Data> selectedText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        return std::nullopt;
    const QMimeData* mime = clipboard->mimeData(QClipboard::Selection);
    if (!mime)
        return std::nullopt;
    QByteArray bytes;
    if (mime->hasFormat(QStringLiteral("text/plain")))
        bytes = mime->data(QStringLiteral("text/plain"));
    else if (mime->hasText())
        bytes = mime->text().toUtf8();
    else
        return std::nullopt;
    return platform::Data(bytes.begin(), bytes.end());
}

// A desktop action has no terminal to tell.
void showAlert(const platform::String& text) {
    platform::OperationQueue::mainQueue().addOperationWithBlock([text] {
        const auto alert = std::make_shared<platform::Alert>();
        alert->setMessageText(text);
        (void)alert->runModal();
    });
}

} // namespace

DesktopRequestPerformer::DesktopRequestPerformer(std::shared_ptr<platform::Application> application)
    : application_(std::move(application)) {
    modalChanged_ = application_->modalProperty().observe([this] {
        if (application_->isRunningModal() || waiting_.empty())
            return;
        // After the event that ended the session, outside its nested loop.
        platform::OperationQueue::mainQueue().addOperationWithBlock(
            [this, alive = std::weak_ptr(alive_)] {
                if (alive.lock())
                    performWaiting();
            });
    });
}

DesktopRequestPerformer::~DesktopRequestPerformer() = default;

void DesktopRequestPerformer::perform(platform::DesktopRequest request, Completion completion) {
    if (application_->isRunningModal() || !waiting_.empty()) {
        waiting_.push_back({std::move(request), std::move(completion)});
        return;
    }
    performNow(request, std::move(completion));
}

void DesktopRequestPerformer::performWaiting() {
    while (!waiting_.empty() && !application_->isRunningModal()) {
        Pending next = std::move(waiting_.front());
        waiting_.pop_front();
        performNow(next.request, std::move(next.completion));
    }
}

void DesktopRequestPerformer::performNow(const platform::DesktopRequest& request,
                                         Completion completion) {
    switch (request.kind) {
    case Kind::openFiles:
        open(request, std::move(completion));
        break;
    case Kind::newFromText:
        newDocumentFromText(request.text, completion);
        break;
    case Kind::newFromSelection:
        newDocumentFromSelection(completion);
        break;
    case Kind::unlock:
        unlock(request, completion);
        break;
    }
}

void DesktopRequestPerformer::newDocumentFromText(const platform::Data& text,
                                                  const Completion& completion) {
    if (text.size() > platform::CommandLine::maximumTextLength) {
        completion(u"The text is larger than 64 MiB.");
        return;
    }
    platform::Pasteboard pboard;
    pboard.setData(text, platform::Pasteboard::stringType);
    auto outcome = platform::ServicesRegistry::shared().performService(servicesProvider,
                                                                       servicesMessage, pboard);
    completion(outcome.error);
}

void DesktopRequestPerformer::newDocumentFromSelection(const Completion& completion) {
    platform::Pasteboard pboard;
    if (const auto text = selectedText())
        pboard.setData(*text, platform::Pasteboard::stringType);
    auto outcome = platform::ServicesRegistry::shared().performService(servicesProvider,
                                                                       servicesMessage, pboard);
    completion(outcome.error);
    if (outcome.error)
        showAlert(*outcome.error);
}

void DesktopRequestPerformer::open(const platform::DesktopRequest& request, Completion completion) {
    struct Round {
        std::size_t left = 0;
        std::optional<platform::String> failure;
        Completion completion;
    };
    const auto round =
        std::make_shared<Round>(Round{request.paths.size(), {}, std::move(completion)});
    const auto controller = platform::DocumentController::sharedDocumentController();
    // Started again with no file, as from the desktop's launcher: a new window shows that
    // it was heard.
    if (request.paths.empty()) {
        std::optional<platform::String> error;
        (void)controller->openUntitledDocumentAndDisplay(true, error);
        round->completion(error);
        return;
    }
    const auto finished = [round](const std::optional<platform::String>& error) {
        if (error && !round->failure)
            round->failure = error;
        if (--round->left == 0)
            round->completion(round->failure);
    };
    for (const auto& path : request.paths) {
        const auto url = platform::URL::fileURLWithPath(path);
        if (!url) {
            finished(u"Cannot open " + path + u".");
            continue;
        }
        controller->openDocumentWithContentsOfURL(
            *url, true,
            [finished](const std::shared_ptr<platform::Document>&, bool,
                       const std::optional<platform::String>& error) { finished(error); });
    }
}

void DesktopRequestPerformer::unlock(const platform::DesktopRequest& request,
                                     const Completion& completion) {
    platform::Dictionary arguments{{u"password", platform::Value(request.password)}};
    const bool known = platform::ScriptCommand::executeCommandNamed(
        unlockCommand, platform::Value(request.paths.front()), std::move(arguments),
        [completion](const platform::ScriptCommand::Reply& reply) {
            if (reply.errorNumber == 0)
                completion(std::nullopt);
            else
                completion(reply.errorString.value_or(u"The document was not unlocked."));
        });
    if (!known)
        completion(u"The program has no command to unlock a document.");
}

} // namespace gui
