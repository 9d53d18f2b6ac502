#include "platform/xml/component/xml_error_codes.h"

#include <xercesc/framework/XMLErrorCodes.hpp>
#include <xercesc/framework/XMLValidityCodes.hpp>
#include <xercesc/util/XMLExceptMsgs.hpp>
#include <xercesc/util/XMLUni.hpp>

namespace {

namespace xc = xercesc;

bool InRange(std::uint32_t code, xc::XMLExcepts::Codes first, xc::XMLExcepts::Codes last)
{
    return code >= static_cast<std::uint32_t>(first) && code <= static_cast<std::uint32_t>(last);
}

// Reading the bytes failed: a file or a URL could not be opened or read.
bool IsInputOutputException(std::uint32_t code)
{
    using E = xc::XMLExcepts;
    return InRange(code, E::File_CouldNotOpenFile, E::File_CouldNotGetBasePathName) ||
           InRange(code, E::NetAcc_InternalError, E::NetAcc_UnsupportedMethod) ||
           InRange(code, E::URL_MalformedURL, E::URL_BadPortField) ||
           code == E::Gen_CouldNotOpenDTD || code == E::Gen_CouldNotOpenExtEntity ||
           code == E::Scan_CouldNotOpenSource || code == E::Scan_CouldNotOpenSource_Warning;
}

// A value does not match its simple type: the validators report these
// through the exception table.
bool IsDatatypeException(std::uint32_t code)
{
    using E = xc::XMLExcepts;
    return InRange(code, E::FACET_Invalid_Len, E::VALUE_URI_Malformed) ||
           InRange(code, E::XMLNUM_emptyString, E::XMLNUM_DBL_FLT_InvalidType) ||
           InRange(code, E::DateTime_dt_invalid, E::DateTime_second_invalid) ||
           code == E::VALUE_QName_Invalid2;
}

XmlErrorGroup GroupOfException(std::uint32_t code, XmlErrorSeverity severity, XmlErrorPlace place)
{
    if (code == xc::XMLExcepts::Out_Of_Memory)
        return XmlErrorGroup::ResourceLimits;
    if (IsInputOutputException(code))
        return place == XmlErrorPlace::Document ? XmlErrorGroup::InputOutput
                                                : XmlErrorGroup::ReferencedDocument;
    if (place == XmlErrorPlace::ReferencedDocument)
        return XmlErrorGroup::ReferencedDocument;
    if (IsXmlEncodingErrorCode(code))
        return XmlErrorGroup::WellFormedness;
    if (IsDatatypeException(code) || severity != XmlErrorSeverity::Fatal)
        return XmlErrorGroup::Validity;
    return XmlErrorGroup::WellFormedness;
}

} // namespace

std::uint32_t XmlOwnErrorCode(std::uint32_t ownError)
{
    XmlErrorGroup group = XmlErrorGroup::InputOutput;
    if (ownError >= 0x0011 && ownError <= 0x002F)
        group = XmlErrorGroup::ReferencedDocument;
    else if (ownError >= 0x0031 && ownError <= 0x003F)
        group = XmlErrorGroup::ResourceLimits;
    return MakeXmlErrorCode(group, XmlErrorSource::Own, ownError);
}

std::uint32_t XmlParserErrorCode(std::u16string_view domain, std::uint32_t code,
                                 XmlErrorSeverity severity, XmlErrorPlace place)
{
    const bool inReference = place == XmlErrorPlace::ReferencedDocument;
    if (domain == xc::XMLUni::fgXMLErrDomain) {
        XmlErrorGroup group = inReference ? XmlErrorGroup::ReferencedDocument
                                          : XmlErrorGroup::WellFormedness;
        if (code == xc::XMLErrs::EntityExpansionLimitExceeded)
            group = XmlErrorGroup::ResourceLimits;
        return MakeXmlErrorCode(group, XmlErrorSource::ParserErrors, code);
    }
    if (domain == xc::XMLUni::fgValidityDomain) {
        // A schema whose target namespace differs from the one the document
        // names is a schema that could not be used, not an invalid document.
        // So is an ambiguous content model, which the parser finds only once
        // the schema is read whole, and reports where the document stands.
        const bool loading = inReference || code == xc::XMLValid::WrongTargetNamespace ||
                             code == xc::XMLValid::GrammarNotFound ||
                             code == xc::XMLValid::UniqueParticleAttributionFail;
        return MakeXmlErrorCode(loading ? XmlErrorGroup::ReferencedDocument : XmlErrorGroup::Validity,
                                XmlErrorSource::ValidityErrors, code);
    }
    if (domain == xc::XMLUni::fgExceptDomain)
        return MakeXmlErrorCode(GroupOfException(code, severity, place),
                                XmlErrorSource::ExceptionErrors, code);
    return 0;
}

bool IsXmlEncodingErrorCode(std::uint32_t exceptionCode)
{
    using E = xc::XMLExcepts;
    return InRange(exceptionCode, E::Trans_Unrepresentable, E::Trans_CantCreateCvtrFor) ||
           InRange(exceptionCode, E::UTF8_FormatError, E::UTF8_Exceeds_BytesLimit) ||
           InRange(exceptionCode, E::Reader_BadAutoEncoding, E::Reader_EncodingStrRequired) ||
           exceptionCode == E::XMLRec_UnknownEncoding;
}
