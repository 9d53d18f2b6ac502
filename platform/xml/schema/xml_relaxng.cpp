// Compiles RELAX NG grammars and keeps them, checks a document against one
// as the reader streams it, and turns the engine's messages into the load's
// errors.

#include "platform/xml/schema/xml_relaxng.h"
#include "platform/xml/load/libxml_library.h"

#include "platform/text/drive_path.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/references/xml_input_sources.h"
#include "platform/xml/schema/xml_relaxng_elements.h"
#include "platform/xml/schema/xml_relaxng_start_tags.h"

#include <libxml/parser.h>
#include <libxml/relaxng.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlreader.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using xmlrelaxng::DeclaredElements;
using xmlrelaxng::FirstUndeclared;
using xmlrelaxng::PlaceStartTags;
using xmlrelaxng::ReadDeclaredElements;
using xmlrelaxng::StartTagQuery;
using xmlrelaxng::TextOf;

class XmlRelaxNgGrammar {
public:
    struct Deleter {
        void operator()(xmlRelaxNG* schema) const { Libxml().xmlRelaxNGFree(schema); }
    };
    std::unique_ptr<xmlRelaxNG, Deleter> schema;
    std::string display;              // the schema as the reports name it
    std::vector<XmlResource> sources; // the local files it was built from
    DeclaredElements elements;
};

namespace {

// libxml2's state (the document loader, the error handlers) is shared by
// the process; one RELAX NG job at a time.
std::mutex& EngineMutex()
{
    static std::mutex mutex;
    return mutex;
}

struct KeptGrammars {
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<const XmlRelaxNgGrammar>> byLocation;
};

KeptGrammars& Kept()
{
    static KeptGrammars kept;
    return kept;
}

// A project uses a handful of grammars; a batch over many vocabularies
// starts over rather than growing without bound.
constexpr std::size_t kKeptGrammars = 32;

bool Unchanged(const XmlRelaxNgGrammar& grammar)
{
    for (const XmlResource& source : grammar.sources) {
        const LocalFileCheck check = CheckLocalFile(source.linuxPath);
        if (check.problem || check.size != source.size || check.modifiedNs != source.modifiedNs)
            return false;
    }
    return true;
}

// One message of the library, taken while its node still exists.
struct EngineMessage {
    int domain = 0;
    int code = 0;
    std::string text;
    std::string file;
    std::uint64_t line = 0;
    std::uint64_t column = 0;
    std::string element;          // the offending element's name as written (prefix:local)
    std::string readerElement;    // the element the reader stands on (its end, for a missing element)
    std::string value;            // the element's text, for a value its datatype refuses
    std::string expected, got;    // for "expecting element X, got Y"
    std::uint64_t readerLine = 0; // where the reader stood
};

std::string Trimmed(const char* text)
{
    std::string out = text == nullptr ? std::string() : std::string(text);
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

// An element the grammar allows nowhere, found near a failure.
struct UndeclaredElement {
    std::string name;
    std::uint64_t line = 0;
};

struct MessageSink {
    std::vector<EngineMessage> messages;
    xmlTextReaderPtr reader = nullptr;
    const DeclaredElements* declared = nullptr;
    bool looked = false; // for an undeclared element, in this step
    std::optional<UndeclaredElement> undeclared;
};

void TakeMessage(void* data, xmlErrorPtr error)
{
    // The catalogs consulted for an include speak through the same channel;
    // their complaints are the user's to mend, not the grammar's errors.
    if (data == nullptr || error == nullptr || error->level == XML_ERR_WARNING || error->domain == XML_FROM_CATALOG)
        return;
    auto& sink = *static_cast<MessageSink*>(data);
    EngineMessage message;
    message.domain = error->domain;
    message.code = error->code;
    message.text = Trimmed(error->message);
    message.file = error->file == nullptr ? std::string() : error->file;
    message.line = error->line > 0 ? static_cast<std::uint64_t>(error->line) : 0;
    message.column = error->int2 > 0 ? static_cast<std::uint64_t>(error->int2) : 0;
    const auto nameOf = [](const xmlNode* node) {
        std::string name;
        if (node == nullptr || node->type != XML_ELEMENT_NODE)
            return name;
        if (node->ns != nullptr && node->ns->prefix != nullptr)
            name = std::string(reinterpret_cast<const char*>(node->ns->prefix)) + ":";
        return name + reinterpret_cast<const char*>(node->name);
    };
    if (const auto* node = static_cast<const xmlNode*>(error->node)) {
        message.element = nameOf(node);
        if (error->code == XML_RELAXNG_ERR_DATATYPE && node->type == XML_ELEMENT_NODE) {
            constexpr std::size_t kShownValue = 80;
            message.value = TextOf(node);
            if (message.value.size() > kShownValue) {
                std::size_t cut = kShownValue; // not inside a character
                while (cut > 0 && (static_cast<unsigned char>(message.value[cut]) & 0xC0) == 0x80)
                    --cut;
                message.value = message.value.substr(0, cut) + "...";
            }
        }
        // The failing element's content, looked at while it still exists;
        // only when the engine checked a subtree it built (by backtracking):
        // at the node the reader stands on, its message is exact.
        const xmlNode* current = sink.reader == nullptr ? nullptr : Libxml().xmlTextReaderCurrentNode(sink.reader);
        if (error->domain == XML_FROM_RELAXNGV && sink.declared != nullptr && !sink.looked && node != current) {
            sink.looked = true;
            const xmlNode* top =
                node->parent != nullptr && node->parent->type == XML_ELEMENT_NODE ? node->parent : node;
            if (const xmlNode* undeclared = FirstUndeclared(top, *sink.declared))
                sink.undeclared = UndeclaredElement{
                    nameOf(undeclared), static_cast<std::uint64_t>(std::max(0L, Libxml().xmlGetLineNo(undeclared)))};
        }
    }
    if (error->str1 != nullptr)
        message.expected = error->str1;
    if (error->str2 != nullptr)
        message.got = error->str2;
    if (sink.reader != nullptr) {
        message.readerLine = static_cast<std::uint64_t>(std::max(0, Libxml().xmlTextReaderGetParserLineNumber(sink.reader)));
        if (const xmlChar* name = Libxml().xmlTextReaderConstName(sink.reader))
            message.readerElement = reinterpret_cast<const char*>(name);
    }
    sink.messages.push_back(std::move(message));
}

// While alive, the library's messages outside a reader go to the sink.
class ScopedMessages {
public:
    explicit ScopedMessages(MessageSink& sink) { Libxml().xmlSetStructuredErrorFunc(&sink, TakeMessage); }
    ~ScopedMessages() { Libxml().xmlSetStructuredErrorFunc(nullptr, nullptr); }
    ScopedMessages(const ScopedMessages&) = delete;
    ScopedMessages& operator=(const ScopedMessages&) = delete;
};

struct DocDeleter {
    void operator()(xmlDoc* document) const { Libxml().xmlFreeDoc(document); }
};
struct ParserContextDeleter {
    void operator()(xmlRelaxNGParserCtxt* context) const { Libxml().xmlRelaxNGFreeParserCtxt(context); }
};
struct ReaderDeleter {
    void operator()(xmlTextReader* reader) const { Libxml().xmlFreeTextReader(reader); }
};

bool IsMemoryFailure(const EngineMessage& message)
{
    return message.code == XML_ERR_NO_MEMORY || message.code == XML_RELAXNG_ERR_MEMORY;
}

XmlLoadError MemoryLimitError(std::uint64_t line)
{
    return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::MemoryLimit), line, 0,
                            u"The RELAX NG engine needed more memory than a load may use; the document is not "
                            u"checked further (resource limit)");
}

std::uint32_t TableCode(const EngineMessage& message)
{
    if (message.domain == XML_FROM_RELAXNGV || message.domain == XML_FROM_RELAXNGP)
        return static_cast<std::uint32_t>(message.code);
    return 0x8000u | (static_cast<std::uint32_t>(message.code) & 0x7FFFu);
}

// How the reports name a file the library names by its location.
std::string Shown(const std::string& location)
{
    if (location.empty() || location.find("://") != std::string::npos)
        return location;
    return ShownPath(location);
}

XmlLoadError SchemaError(const EngineMessage& message, const std::string& schemaLocation,
                         const std::string& schemaDisplay)
{
    if (IsMemoryFailure(message))
        return MemoryLimitError(0);
    const std::string file = message.file.empty() || message.file == schemaLocation ? schemaDisplay
                                                                                     : Shown(message.file);
    XmlLoadError error =
        MakeXmlLoadError(MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::RelaxNgErrors,
                                          TableCode(message)),
                         message.line, message.column,
                         AnsiToWide(message.text + " (in the RELAX NG schema " + file + ")"));
    error.file = file;
    return error;
}

XmlLoadError FetchFailureError(const XmlFetchFailure& failure)
{
    return MakeXmlLoadError(XmlOwnErrorCode(failure.ownError), 0, 0, AnsiToWide(failure.reason));
}

} // namespace

std::variant<std::shared_ptr<const XmlRelaxNgGrammar>, XmlLoadError>
CompileRelaxNg(const XmlResolvedLocation& target, const std::string& reference, const std::string& context,
               const XmlRemoteAccess& remote)
{
    const bool keepable = target.Resolved() && !target.remote;
    if (keepable) {
        KeptGrammars& kept = Kept();
        std::lock_guard lock(kept.mutex);
        const auto found = kept.byLocation.find(target.location);
        if (found != kept.byLocation.end()) {
            if (Unchanged(*found->second))
                return found->second;
            kept.byLocation.erase(found);
        }
    }
    auto fetched = FetchResolvedDocument(target, reference, "the RELAX NG schema", context, remote);
    if (const auto* failure = std::get_if<XmlFetchFailure>(&fetched))
        return FetchFailureError(*failure);
    const XmlFetchedDocument& schemaDocument = std::get<XmlFetchedDocument>(fetched);

    std::lock_guard engine(EngineMutex());
    XmlResource origin{XmlResourceKind::Schema, schemaDocument.display,
                       schemaDocument.remote ? std::string() : schemaDocument.location, schemaDocument.remote,
                       schemaDocument.size, schemaDocument.modifiedNs};
    ScopedLibxmlDocumentLoader loader(origin, "the RELAX NG schema", remote, true);
    MessageSink sink;
    auto grammar = std::make_shared<XmlRelaxNgGrammar>();
    grammar->display = schemaDocument.display;
    {
        const ScopedMessages messages(sink);
        std::unique_ptr<xmlDoc, DocDeleter> document(
            Libxml().xmlReadMemory(schemaDocument.bytes.data(), static_cast<int>(schemaDocument.bytes.size()),
                          schemaDocument.location.c_str(), nullptr, XML_PARSE_NOENT | XML_PARSE_BIG_LINES));
        if (document) {
            ReadDeclaredElements(Libxml().xmlDocGetRootElement(document.get()), grammar->elements);
            std::unique_ptr<xmlRelaxNGParserCtxt, ParserContextDeleter> parser(
                Libxml().xmlRelaxNGNewDocParserCtxt(document.get()));
            if (parser) {
                Libxml().xmlRelaxNGSetParserStructuredErrors(parser.get(), TakeMessage, &sink);
                grammar->schema.reset(Libxml().xmlRelaxNGParse(parser.get()));
            }
        }
    }
    NoteParserProgress();
    if (loader.Failure())
        return FetchFailureError(*loader.Failure());
    if (!grammar->schema) {
        if (!sink.messages.empty())
            return SchemaError(sink.messages.front(), schemaDocument.location, schemaDocument.display);
        return MakeXmlLoadError(
            MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::RelaxNgErrors, XML_RNGP_PARSE_ERROR),
            0, 0, AnsiToWide("The RELAX NG schema " + schemaDocument.display + " is no correct grammar"));
    }
    for (const std::string& text : loader.Texts()) {
        std::unique_ptr<xmlDoc, DocDeleter> included(
            Libxml().xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr, XML_PARSE_NONET));
        if (included)
            ReadDeclaredElements(Libxml().xmlDocGetRootElement(included.get()), grammar->elements);
        else
            grammar->elements.usable = false;
    }
    bool fromNetwork = schemaDocument.remote;
    if (!schemaDocument.remote)
        grammar->sources.push_back(origin);
    for (const XmlResource& read : loader.Read()) {
        fromNetwork = fromNetwork || read.remote;
        if (!read.remote)
            grammar->sources.push_back(read);
    }
    std::shared_ptr<const XmlRelaxNgGrammar> compiled = std::move(grammar);
    if (keepable && !fromNetwork) {
        KeptGrammars& kept = Kept();
        std::lock_guard lock(kept.mutex);
        if (kept.byLocation.size() >= kKeptGrammars)
            kept.byLocation.clear();
        kept.byLocation[target.location] = compiled;
    }
    return compiled;
}

namespace {

// One failure of the engine: the messages it gave at one step of the reader
// (it reports the alternatives it tried, and the step's last message, made
// where it got furthest, is the one that says what went wrong).
struct Failure {
    EngineMessage message;
    std::vector<std::string> expected; // the elements it expected instead
};

std::uint64_t PlaceLine(const EngineMessage& message)
{
    // The engine's node lines stop at 65535.
    return message.line >= 65535 && message.readerLine > message.line ? message.readerLine : message.line;
}

std::optional<Failure> FailureOfStep(const std::vector<EngineMessage>& step)
{
    const EngineMessage* furthest = nullptr;
    for (const EngineMessage& message : step) {
        if (message.domain != XML_FROM_RELAXNGV)
            continue;
        if (furthest == nullptr || PlaceLine(message) > PlaceLine(*furthest))
            furthest = &message;
    }
    if (furthest == nullptr)
        return std::nullopt;
    Failure failure{*furthest, {}};
    for (const EngineMessage& message : step) {
        if (message.domain != XML_FROM_RELAXNGV || PlaceLine(message) != PlaceLine(*furthest) ||
            message.element != furthest->element)
            continue;
        if (message.code == XML_RELAXNG_ERR_ELEMNAME && !message.expected.empty() &&
            std::find(failure.expected.begin(), failure.expected.end(), message.expected) == failure.expected.end())
            failure.expected.push_back(message.expected);
    }
    return failure;
}

// The expectation in one sentence, not the list of alternatives tried.
std::string Describe(const Failure& failure, const std::string& schema)
{
    std::string text;
    if (!failure.expected.empty()) {
        const std::string got = !failure.message.got.empty() ? failure.message.got : failure.message.element;
        text = "Element " + got + " is not allowed here; expected ";
        for (std::size_t i = 0; i < failure.expected.size(); ++i) {
            if (i > 0)
                text += i + 1 == failure.expected.size() ? " or " : ", ";
            text += failure.expected[i];
        }
    } else if (failure.message.code == XML_RELAXNG_ERR_NOELEM) {
        // The engine names the last child it saw, and often no expectation;
        // the reader stands on the element whose content ended.
        const std::string& within =
            failure.message.readerElement.empty() ? failure.message.element : failure.message.readerElement;
        text = "The content of element " + within + " ends too early: " +
               (failure.message.expected.empty() ? std::string("a required element is missing")
                                                 : "element " + failure.message.expected + " is missing");
    } else if (failure.message.code == XML_RELAXNG_ERR_DATATYPE && !failure.message.expected.empty()) {
        text = "The value '" + failure.message.value + "' of element " + failure.message.element +
               " does not match the datatype " + failure.message.expected + " (with its parameters)";
    } else if (failure.message.code == XML_RELAXNG_ERR_TEXTWRONG) {
        text = "Text is not allowed in element " + failure.message.element;
    } else {
        text = failure.message.text;
    }
    return text + " (RELAX NG schema " + schema + ")";
}

constexpr int kReaderOptions = XML_PARSE_NOENT | XML_PARSE_DTDLOAD | XML_PARSE_BIG_LINES;

// The start tags the reader passed on the current node's line, by name:
// which of several alike on a line is the failing one. Kept in place from
// line to line: the names' buffers are reused, so that a document of one
// element per line costs no allocation per element.
class StartTagsOnLine {
public:
    void Note(const LibxmlLibrary& xml, xmlTextReader* reader)
    {
        if (xml.xmlTextReaderNodeType(reader) != XML_READER_TYPE_ELEMENT)
            return;
        const xmlNode* current = xml.xmlTextReaderCurrentNode(reader);
        const auto nodeLine = current == nullptr ? 0 : static_cast<std::uint64_t>(current->line);
        if (nodeLine != m_line) {
            m_used = 0;
            m_line = nodeLine;
        }
        const xmlChar* name = xml.xmlTextReaderConstName(reader);
        if (name == nullptr)
            return;
        const std::string_view text(reinterpret_cast<const char*>(name));
        if (TagCount* known = Find(text)) {
            ++known->count;
            return;
        }
        if (m_used == m_counts.size())
            m_counts.emplace_back();
        m_counts[m_used].name.assign(text);
        m_counts[m_used].count = 1;
        ++m_used;
    }

    // Counted from 1; 0 when the reader passed no such tag on that line.
    int Ordinal(std::uint64_t line, const std::string& name) const
    {
        if (line != m_line)
            return 0;
        for (std::size_t i = 0; i < m_used; ++i)
            if (m_counts[i].name == name)
                return m_counts[i].count;
        return 0;
    }

private:
    struct TagCount {
        std::string name;
        int count = 0;
    };

    TagCount* Find(std::string_view name)
    {
        for (std::size_t i = 0; i < m_used; ++i)
            if (m_counts[i].name == name)
                return &m_counts[i];
        return nullptr;
    }

    std::uint64_t m_line = 0;
    std::vector<TagCount> m_counts; // the first m_used are this line's
    std::size_t m_used = 0;
};

// What the engine said while the reader took one node.
struct ReaderStep {
    int status = 1; // the reader's: 1 a node, 0 the end of the document, -1 an error
    std::vector<EngineMessage> messages;
    std::optional<UndeclaredElement> undeclared;
};

ReaderStep ReadOneNode(xmlTextReader* reader, MessageSink& sink, StartTagsOnLine& startTags)
{
    ReaderStep step;
    const LibxmlLibrary& xml = Libxml();
    step.status = xml.xmlTextReaderRead(reader);
    // Noted every so many nodes: the check may run beside the parser, and
    // the two noting every node would fight over the same counter. The
    // watchdog looks every few tens of milliseconds.
    constexpr unsigned kNodesPerNote = 256;
    thread_local unsigned nodesUnnoted = 0;
    if (++nodesUnnoted >= kNodesPerNote || step.status != 1) {
        nodesUnnoted = 0;
        NoteParserProgress(static_cast<std::uint64_t>(std::max(0, xml.xmlTextReaderGetParserLineNumber(reader))));
    }
    step.messages.swap(sink.messages);
    if (step.status == 1)
        startTags.Note(xml, reader);
    step.undeclared = std::move(sink.undeclared);
    sink.undeclared.reset();
    sink.looked = false;
    return step;
}

std::optional<XmlLoadError> MemoryFailureIn(const std::vector<EngineMessage>& messages)
{
    for (const EngineMessage& message : messages)
        if (IsMemoryFailure(message))
            return MemoryLimitError(PlaceLine(message));
    return std::nullopt;
}

// The engine blames whatever it tried last; an element the grammar allows
// nowhere is the real cause.
void BlameUndeclared(Failure& failure, const UndeclaredElement& undeclared)
{
    failure.message.code = XML_RELAXNG_ERR_ELEMWRONG;
    failure.message.element = undeclared.name;
    failure.message.line = undeclared.line;
    failure.message.readerLine = 0;
    failure.message.text = "Element " + undeclared.name + " is allowed nowhere by the grammar";
    failure.expected.clear();
}

XmlLoadError ValidityError(const Failure& failure, const std::string& schema)
{
    return MakeXmlLoadError(
        MakeXmlErrorCode(XmlErrorGroup::Validity, XmlErrorSource::RelaxNgErrors, TableCode(failure.message)),
        PlaceLine(failure.message), 0, AnsiToWide(Describe(failure, schema)));
}

StartTagQuery StartTagOf(const Failure& failure, bool undeclared, const StartTagsOnLine& startTags)
{
    const std::uint64_t line = PlaceLine(failure.message);
    // An undeclared element is blamed at the first of its name anywhere.
    const int ordinal = undeclared ? 1 : startTags.Ordinal(line, failure.message.element);
    return {line, failure.message.element, ordinal};
}

// Why the reader stopped short of the end, when it can be told: an external
// document that could not be had, or a document that is not well formed.
std::optional<XmlLoadError> WhyReadingStopped(const ReaderStep& last, const ScopedLibxmlDocumentLoader& loader,
                                              const std::string& schema)
{
    if (loader.Failure())
        return FetchFailureError(*loader.Failure());
    if (last.status >= 0)
        return std::nullopt;
    const auto other = std::find_if(last.messages.begin(), last.messages.end(),
                                    [](const EngineMessage& message) { return message.domain != XML_FROM_RELAXNGV; });
    if (other == last.messages.end())
        return std::nullopt;
    return MakeXmlLoadError(
        MakeXmlErrorCode(XmlErrorGroup::WellFormedness, XmlErrorSource::RelaxNgErrors, TableCode(*other)),
        other->line, other->column, AnsiToWide(other->text + " (read for the RELAX NG schema " + schema + ")"));
}

// One pass of the reader over the document: its errors in the order of the
// document, the start tag each is to be placed at (the engine's failures
// only, so `places` runs alongside the start of `errors`), and the error
// after which nothing more was read.
struct StreamVerdict {
    std::vector<XmlLoadError> errors;
    std::vector<StartTagQuery> places;
    std::optional<XmlLoadError> ended;
};

StreamVerdict StreamThroughEngine(const XmlRelaxNgGrammar& grammar, const XmlResource& document, int fd,
                                  std::size_t maxErrors, const XmlRemoteAccess& remote,
                                  const std::atomic<bool>* stop)
{
    StreamVerdict verdict;
    std::lock_guard engine(EngineMutex());
    ScopedLibxmlDocumentLoader loader(document, "the external entity", remote);
    MessageSink sink;
    std::unique_ptr<xmlTextReader, ReaderDeleter> reader(
        Libxml().xmlReaderForFd(fd, document.linuxPath.c_str(), nullptr, kReaderOptions));
    if (!reader) {
        verdict.errors.push_back(MemoryLimitError(0));
        return verdict;
    }
    sink.reader = reader.get();
    sink.declared = &grammar.elements;
    Libxml().xmlTextReaderSetStructuredErrorHandler(reader.get(), TakeMessage, &sink);
    if (Libxml().xmlTextReaderRelaxNGSetSchema(reader.get(), grammar.schema.get()) != 0) {
        verdict.errors.push_back(MakeXmlLoadError(
            MakeXmlErrorCode(XmlErrorGroup::ReferencedDocument, XmlErrorSource::RelaxNgErrors, XML_RNGP_PARSE_ERROR),
            0, 0, AnsiToWide("The RELAX NG engine could not take the schema " + grammar.display)));
        return verdict;
    }
    ReaderStep step;
    StartTagsOnLine startTags;
    while (verdict.errors.size() < maxErrors && !verdict.ended) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed))
            return verdict;
        step = ReadOneNode(reader.get(), sink, startTags);
        verdict.ended = MemoryFailureIn(step.messages);
        if (verdict.ended)
            break;
        if (auto failure = FailureOfStep(step.messages)) {
            if (step.undeclared)
                BlameUndeclared(*failure, *step.undeclared);
            verdict.errors.push_back(ValidityError(*failure, grammar.display));
            verdict.places.push_back(StartTagOf(*failure, step.undeclared.has_value(), startTags));
        }
        if (step.status <= 0) {
            verdict.ended = WhyReadingStopped(step, loader, grammar.display);
            break;
        }
    }
    // Never a silent pass: the engine's own verdict counts even when it
    // said nothing about why.
    if (verdict.errors.empty() && !verdict.ended && step.status == 0 && Libxml().xmlTextReaderIsValid(reader.get()) == 0)
        verdict.errors.push_back(MakeXmlLoadError(
            MakeXmlErrorCode(XmlErrorGroup::Validity, XmlErrorSource::RelaxNgErrors, XML_RELAXNG_ERR_NOGRAMMAR), 0,
            0, AnsiToWide("The document does not match the RELAX NG schema " + grammar.display)));
    return verdict;
}

// The engine names the line where a start tag ends; the reports name where
// it opens, found by reading the document again once the engine is done.
void MoveToStartTags(const std::string& linuxPath, std::vector<StartTagQuery>& places,
                     std::vector<XmlLoadError>& errors)
{
    std::vector<StartTagQuery*> queries;
    for (StartTagQuery& place : places)
        queries.push_back(&place);
    PlaceStartTags(linuxPath, queries);
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i].foundLine > 0) {
            errors[i].line = places[i].foundLine;
            errors[i].column = places[i].foundColumn;
        }
    }
}

} // namespace

std::vector<XmlLoadError> ValidateWithRelaxNg(const XmlRelaxNgGrammar& grammar, const XmlResource& document,
                                              std::size_t maxErrors, const XmlRemoteAccess& remote,
                                              const std::atomic<bool>* stop)
{
    OpenedLocalFile file = OpenLocalFile(document.linuxPath);
    if (!file.fd) {
        const UnreadableFile unreadable = DescribeUnreadableDocument(file.check, document.displayName);
        std::vector<XmlLoadError> errors;
        errors.push_back(MakeXmlLoadError(XmlOwnErrorCode(unreadable.ownError), 0, 0, AnsiToWide(unreadable.reason)));
        return errors;
    }
    StreamVerdict verdict = StreamThroughEngine(grammar, document, file.fd.Get(), maxErrors, remote, stop);
    MoveToStartTags(document.linuxPath, verdict.places, verdict.errors);
    if (verdict.ended && verdict.errors.size() < maxErrors)
        verdict.errors.push_back(std::move(*verdict.ended));
    return std::move(verdict.errors);
}
