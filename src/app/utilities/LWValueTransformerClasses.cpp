#include "app/utilities/LWValueTransformerClasses.h"

#include "app/utilities/LW1IfEqualToRef.h"
#include "app/utilities/LW1IfNot0.h"
#include "app/utilities/LWDateTagElaborated.h"
#include "app/utilities/LWEmptyTrimmedString.h"
#include "app/utilities/LWFilledTrimmedString.h"
#include "app/utilities/LWHeightForFontSize.h"
#include "app/utilities/LWImgData.h"
#include "app/utilities/LWIntToBool.h"
#include "app/utilities/LWNameFromBookmark.h"
#include "app/utilities/LWNegateIntToBool.h"
#include "app/utilities/LWNumberBoolToNumberNum.h"
#include "app/utilities/LWOneIfOneInArray.h"
#include "app/utilities/LWPathFromBookmark.h"
#include "app/utilities/LWReturnInitStr.h"
#include "app/utilities/LWUnarchivieFromDataToText.h"
#include "app/utilities/LWValueIsDigit.h"
#include "app/utilities/LWValueIsEqualToRef.h"
#include "app/utilities/LWValueIsEqualToStr.h"
#include "app/utilities/LWValueIsGreaterOfRef.h"
#include "app/utilities/LWValueIsInArray.h"
#include "app/utilities/LWValueIsInSet.h"
#include "app/utilities/LWValueIsSmallerOfRef.h"
#include "app/utilities/LWValueMultipliedBy.h"
#include "app/utilities/LWValueNotEqualToRef.h"
#include "platform/ui/ValueTransformer.h"

using platform::ValueTransformer;

void LWValueTransformerClasses::registerAll() {
    ValueTransformer::registerClass<LWDateTagElaborated>(u"LWDateTagElaborated");
    ValueTransformer::registerClass<LWIntToBool>(u"LWIntToBool");
    ValueTransformer::registerClass<LWNegateIntToBool>(u"LWNegateIntToBool");
    ValueTransformer::registerClass<LWOneIfOneInArray>(u"LWOneIfOneInArray");
    ValueTransformer::registerClass<LWPathFromBookmark>(u"LWPathFromBookmark");
    ValueTransformer::registerClass<LWNameFromBookmark>(u"LWNameFromBookmark");
    ValueTransformer::registerClass<LW1IfNot0>(u"LW1IfNot0");
    ValueTransformer::registerClass<LWNumberBoolToNumberNum>(u"LWNumberBoolToNumberNum");

    ValueTransformer::registerClass<LW1IfEqualToRef>(u"LW1IfEqualToRef");
    ValueTransformer::registerClass<LWValueIsEqualToRef>(u"LWValueIsEqualToRef");
    ValueTransformer::registerClass<LWValueIs0>(u"LWValueIs0");
    ValueTransformer::registerClass<LWValueIs1>(u"LWValueIs1");
    ValueTransformer::registerClass<LWValueIs2>(u"LWValueIs2");
    ValueTransformer::registerClass<LWValueIs3>(u"LWValueIs3");
    ValueTransformer::registerClass<LWValueIs4>(u"LWValueIs4");
    ValueTransformer::registerClass<LWValueIs5>(u"LWValueIs5");
    ValueTransformer::registerClass<LWValueIs6>(u"LWValueIs6");
    ValueTransformer::registerClass<LWValueIs7>(u"LWValueIs7");
    ValueTransformer::registerClass<LWValueIs8>(u"LWValueIs8");
    ValueTransformer::registerClass<LWValueIs9>(u"LWValueIs9");
    ValueTransformer::registerClass<LWValueIsGreaterOfRef>(u"LWValueIsGreaterOfRef");
    ValueTransformer::registerClass<LWValueIsSmallerOfRef>(u"LWValueIsSmallerOfRef");
    ValueTransformer::registerClass<LWValueNotEqualToRef>(u"LWValueNotEqualToRef");

    ValueTransformer::registerClass<LWReturnInitStr>(u"LWReturnInitStr");
    ValueTransformer::registerClass<LWValueMultipliedBy>(u"LWValueMultipliedBy");
    ValueTransformer::registerClass<LWHeightForFontSize>(u"LWHeightForFontSize");
    ValueTransformer::registerClass<LWValueIsEqualToStr>(u"LWValueIsEqualToStr");
    ValueTransformer::registerClass<LWValueIsInSet>(u"LWValueIsInSet");
    ValueTransformer::registerClass<LWValueIsInArray>(u"LWValueIsInArray");
    ValueTransformer::registerClass<LWEmptyTrimmedString>(u"LWEmptyTrimmedString");
    ValueTransformer::registerClass<LWFilledTrimmedString>(u"LWFilledTrimmedString");
    ValueTransformer::registerClass<LWUnarchivieFromDataToText>(u"LWUnarchivieFromDataToText");
    ValueTransformer::registerClass<LWImgData>(u"LWImgData");
}
