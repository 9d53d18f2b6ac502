#include "platform/xml/load/xml_association_checks.h"
#include "platform/xml/load/libxml_library.h"

#include "platform/text/drive_path.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/load/xml_load_pass.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/references/xml_associated_schema.h"
#include "platform/xml/references/xml_input_sources.h"
#include "platform/xml/schema/xml_relaxng.h"

#include <libxml/xmlreader.h>
#include <pthread.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace {

struct ReaderDeleter {
    void operator()(xmlTextReader* reader) const { Libxml().xmlFreeTextReader(reader); }
};

void IgnoreMessage(void*, xmlErrorPtr) {}

// The namespace of a document's root element, read from the bytes (the
// document's own, or a schema's); nothing when no element can be read.
std::optional<std::string> RootNamespace(std::unique_ptr<xmlTextReader, ReaderDeleter> reader)
{
    if (!reader)
        return std::nullopt;
    Libxml().xmlTextReaderSetStructuredErrorHandler(reader.get(), IgnoreMessage, nullptr);
    while (Libxml().xmlTextReaderRead(reader.get()) == 1) {
        if (Libxml().xmlTextReaderNodeType(reader.get()) != XML_READER_TYPE_ELEMENT)
            continue;
        const xmlChar* space = Libxml().xmlTextReaderConstNamespaceUri(reader.get());
        return space == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(space));
    }
    return std::nullopt;
}

std::optional<std::string> RootNamespaceOfFile(const std::string& linuxPath)
{
    OpenedLocalFile file = OpenLocalFile(linuxPath);
    if (!file.fd)
        return std::nullopt;
    return RootNamespace(std::unique_ptr<xmlTextReader, ReaderDeleter>(
        Libxml().xmlReaderForFd(file.fd.Get(), linuxPath.c_str(), nullptr, XML_PARSE_NONET)));
}

std::optional<std::string> RootNamespaceOfBytes(const XmlFetchedDocument& document)
{
    return RootNamespace(std::unique_ptr<xmlTextReader, ReaderDeleter>(
        Libxml().xmlReaderForMemory(document.bytes.data(), static_cast<int>(document.bytes.size()),
                           document.location.c_str(), nullptr, XML_PARSE_NONET)));
}

// A location as a schema hint writes it: blanks separate a hint's values.
std::string AsHintLocation(const XmlResolvedLocation& target)
{
    if (target.remote)
        return target.location;
    std::string hint;
    for (const char ch : target.location) {
        if (ch == ' ')
            hint += "%20";
        else if (ch == '%')
            hint += "%25";
        else
            hint += ch;
    }
    return hint;
}

PassError InDocument(XmlLoadError error)
{
    PassError placed;
    placed.documentPosition = {static_cast<std::uint64_t>(std::max(0L, error.line)),
                               static_cast<std::uint64_t>(std::max(0L, error.column))};
    placed.error = std::move(error);
    return placed; // its position counts characters already: no file to re-read
}

class AssociationCheck {
public:
    AssociationCheck(const XmlLoadRequest& request, std::uint64_t documentBytes,
                     const XmlModelAssociation& association, std::size_t room, const std::atomic<bool>* stop)
        : m_request(request)
        , m_documentBytes(documentBytes)
        , m_association(association)
        , m_room(room)
        , m_stop(stop)
        , m_document{XmlResourceKind::MainDocument, ShownDocumentPath(request), request.linuxPath, false}
        , m_instruction("named by the xml-model instruction at line " + std::to_string(association.line))
    {
    }

    std::vector<PassError> Run()
    {
        if (!m_association.malformed.empty())
            return Report(XmlOwnError::AssociationMalformed,
                          "The xml-model instruction at line " + std::to_string(m_association.line) +
                              " cannot be read (" + m_association.malformed + "), so the schema it names is not checked");
        m_target = ResolveReferencedDocument(m_association.href, m_document);
        m_shown = m_target.location.empty() ? m_association.href
                                            : (m_target.remote ? m_target.location : ShownPath(m_target.location));
        XmlModelLanguage language = XmlModelLanguageOf(m_association);
        if (language == XmlModelLanguage::Unknown) {
            auto fetched = FetchResolvedDocument(m_target, m_association.href, "the schema", m_instruction, Remote());
            if (const auto* failure = std::get_if<XmlFetchFailure>(&fetched))
                return Report(failure->ownError, failure->reason);
            const auto space = RootNamespaceOfBytes(std::get<XmlFetchedDocument>(fetched));
            const auto known = space ? XmlModelLanguageOfNamespace(*space) : std::nullopt;
            if (!known)
                return NotChecked("The schema " + m_shown + " " + m_instruction +
                                  " is not checked: the instruction names no schema language (no schematypens or "
                                  "type), and the schema's root element names none Corvane knows");
            language = *known;
        }
        switch (language) {
        case XmlModelLanguage::XmlSchema:
            return CheckXmlSchema();
        case XmlModelLanguage::RelaxNg:
            return CheckRelaxNg();
        case XmlModelLanguage::Schematron:
            return CheckSchematron();
        case XmlModelLanguage::RelaxNgCompact:
            return NotChecked("The RELAX NG schema " + m_shown + " " + m_instruction +
                              " is in the compact syntax, which Corvane does not read; it is not checked (name "
                              "the same grammar in the XML syntax, an .rng file, to have it checked)");
        case XmlModelLanguage::Nvdl:
            return NotChecked("The NVDL script " + m_shown + " " + m_instruction +
                              " is not checked: Corvane does not check NVDL");
        case XmlModelLanguage::Dtd:
            return NotChecked("The DTD " + m_shown + " " + m_instruction +
                              " is not checked: Corvane checks a DTD that a DOCTYPE names, not one named by "
                              "xml-model");
        case XmlModelLanguage::Other:
        case XmlModelLanguage::Unknown:
            break;
        }
        return NotChecked("The schema " + m_shown + " " + m_instruction + " is not checked: its schema language \"" +
                          m_association.schematypens + "\" is none that Corvane knows");
    }

private:
    // A report about the association itself stands where its instruction
    // ends, counted as the parser counts (the document is re-read for the
    // column in characters).
    PassError AtInstruction(std::uint32_t code, std::u16string reason) const
    {
        PassError placed =
            InDocument(MakeXmlLoadError(code, m_association.line, m_association.column, std::move(reason)));
        placed.linuxPath = m_request.linuxPath;
        return placed;
    }
    std::vector<PassError> Report(std::uint32_t ownError, const std::string& reason) const
    {
        return {AtInstruction(XmlOwnErrorCode(ownError), AnsiToWide(reason))};
    }
    XmlRemoteAccess Remote() const { return {m_request.settings.remote, m_request.notice}; }

    std::vector<PassError> NotChecked(const std::string& reason) const
    {
        return Report(XmlOwnError::AssociatedLanguageNotChecked, reason);
    }

    std::vector<PassError> CheckRelaxNg() const
    {
        auto compiled = CompileRelaxNg(m_target, m_association.href, m_instruction, Remote());
        if (auto* error = std::get_if<XmlLoadError>(&compiled)) {
            if (error->line == 0 && error->file.empty())
                return {AtInstruction(error->code, std::move(error->reason))};
            return {InDocument(std::move(*error))};
        }
        std::vector<PassError> found;
        for (XmlLoadError& error : ValidateWithRelaxNg(*std::get<0>(compiled), m_document, m_room, Remote(), m_stop))
            found.push_back(InDocument(std::move(error)));
        return found;
    }

    std::vector<PassError> CheckXmlSchema() const
    {
        if (!m_target.Resolved()) {
            auto fetched = FetchResolvedDocument(m_target, m_association.href, "the schema", m_instruction, Remote());
            if (const auto* failure = std::get_if<XmlFetchFailure>(&fetched))
                return Report(failure->ownError, failure->reason);
        }
        const std::optional<std::string> space = RootNamespaceOfFile(m_request.linuxPath);
        XmlLoadRequest request = m_request;
        request.multipleErrors = m_room > 1;
        XmlLoadPass pass(request, m_documentBytes, XmlPassMode::Full);
        pass.UseExternalSchema(AnsiToWide(space.value_or(std::string())), AnsiToWide(AsHintLocation(m_target)));
        pass.Run();
        std::vector<PassError> found;
        if (pass.Error())
            found.push_back(*pass.Error());
        for (const PassError& error : pass.FurtherErrors())
            found.push_back(error);
        return found;
    }

    std::vector<PassError> CheckSchematron() const
    {
        XmlSchematronCheck check;
        check.request = &m_request;
        check.association = &m_association;
        check.schema = m_target;
        check.schemaShown = m_shown;
        check.instruction = m_instruction;
        check.maxErrors = m_room;
        std::vector<PassError> found;
        for (XmlLoadError& error : CheckSchematronAssociation(check))
            found.push_back(InDocument(std::move(error)));
        return found;
    }

    const XmlLoadRequest& m_request;
    std::uint64_t m_documentBytes;
    const XmlModelAssociation& m_association;
    std::size_t m_room;
    const std::atomic<bool>* m_stop;
    XmlResource m_document;
    std::string m_instruction;
    XmlResolvedLocation m_target;
    std::string m_shown;
};

} // namespace

std::vector<PassError> CheckXmlModelAssociations(const XmlLoadRequest& request, std::uint64_t documentBytes,
                                                 const std::vector<XmlModelAssociation>& associations,
                                                 std::size_t maxErrors, const std::atomic<bool>* stop)
{
    std::vector<PassError> found;
    for (const XmlModelAssociation& association : associations) {
        if (found.size() >= maxErrors)
            break;
        std::vector<PassError> errors =
            AssociationCheck(request, documentBytes, association, maxErrors - found.size(), stop).Run();
        for (PassError& error : errors) {
            if (found.size() >= maxErrors)
                break;
            found.push_back(std::move(error));
        }
    }
    return found;
}

XmlAssociationsAhead::XmlAssociationsAhead(const XmlLoadRequest& request, std::uint64_t documentBytes)
    : m_request(request), m_documentBytes(documentBytes)
{
}

XmlAssociationsAhead::~XmlAssociationsAhead()
{
    m_stop = true;
    if (m_thread)
        ::pthread_join(*m_thread, nullptr);
}

void XmlAssociationsAhead::Start(const std::vector<XmlModelAssociation>& associations)
{
    if (m_thread || !m_request.validate || associations.empty())
        return;
    // RELAX NG alone: it reads the document on its own, and its errors for
    // fewer asked are the first of those for more. Other languages wait for
    // their turn.
    for (const XmlModelAssociation& association : associations)
        if (!association.malformed.empty() || XmlModelLanguageOf(association) != XmlModelLanguage::RelaxNg)
            return;
    m_associations = associations;
    pthread_attr_t attributes;
    ::pthread_attr_init(&attributes);
    // As deep as the parsing thread's: the engine recurses as the document nests.
    pthread_t thread{};
    const bool started = ::pthread_attr_setstacksize(&attributes, XmlLimits::kParserStackBytes) == 0 &&
                         ::pthread_create(&thread, &attributes, &XmlAssociationsAhead::Main, this) == 0;
    ::pthread_attr_destroy(&attributes);
    // Without a thread (no room for its stack, say) the checks run in turn.
    if (started)
        m_thread = thread;
}

void* XmlAssociationsAhead::Main(void* self)
{
    auto& ahead = *static_cast<XmlAssociationsAhead*>(self);
    const ParserHelperThreadTime counted;
    const std::size_t room = ahead.m_request.multipleErrors ? XmlLimits::kReportedErrors : 1;
    try {
        ahead.m_found = CheckXmlModelAssociations(ahead.m_request, ahead.m_documentBytes, ahead.m_associations, room,
                                                  &ahead.m_stop);
    } catch (...) {
        ahead.m_failed = true; // checked again in turn, where the failure is reported as usual
    }
    return nullptr;
}

std::optional<std::vector<PassError>> XmlAssociationsAhead::Take(const std::vector<XmlModelAssociation>& associations,
                                                                 std::size_t maxErrors)
{
    if (!m_thread)
        return std::nullopt;
    ::pthread_join(*m_thread, nullptr);
    m_thread.reset();
    if (m_failed || associations != m_associations)
        return std::nullopt;
    if (m_found.size() > maxErrors)
        m_found.resize(maxErrors);
    return std::move(m_found);
}
