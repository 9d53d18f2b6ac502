#pragma once
// The identity checker's inner parts, shared by the files that implement it:
// xml_identity_constraints.cpp (the constraints and the element events),
// xml_identity_paths.cpp (how selector and field paths advance) and
// xml_identity_values.cpp (key values and the tables that hold them).
// Private to platform/xml/schema/.

#include "platform/xml/schema/xml_identity_constraints.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>

namespace xc = xercesc;

namespace {

// How far a path has matched, in the parser's terms: matched at all, on the
// attribute axis, through a descendant step, or for an ancestor only.
constexpr std::uint8_t kMatched = 1;
constexpr std::uint8_t kMatchedAttribute = 3;
constexpr std::uint8_t kMatchedDescendant = 5;
constexpr std::uint8_t kMatchedAncestor = 13;

inline std::u16string_view View(const XMLCh* text)
{
    return text == nullptr ? std::u16string_view() : std::u16string_view(text);
}

inline bool Empty(const XMLCh* text)
{
    return text == nullptr || *text == 0;
}

// The name as the parser's element name object spells it.
inline std::u16string RawName(const XMLCh* prefix, const XMLCh* local)
{
    std::u16string raw;
    if (!Empty(prefix)) {
        raw = View(prefix);
        raw += u':';
    }
    raw += View(local);
    return raw;
}

} // namespace

// A path that reads `.//name` after its self steps (a selector `.//name` is
// compiled so), once past its first element, waits at its descendant step: an
// element of another name leaves it there (the full walk pushes that step,
// goes back to it and pops it again). That is the whole work for most
// elements of a large document.
struct XmlQuickSkip {
    bool usable = false;
    std::size_t waitingStep = 0;
    unsigned int uri = 0;
    std::uint32_t localId = 0;
};

// The quick skip of each path, where it has one.
std::vector<XmlQuickSkip> QuickSkips(const std::vector<XmlPath>& paths);

struct XmlIdentityChecker::Constraint {
    xc::IdentityConstraint* source = nullptr;
    std::uint32_t index = 0;
    short type = xc::IdentityConstraint::ICType_UNKNOWN;
    bool supported = false;
    bool hasSelector = false;
    std::vector<XmlPath> selector;
    std::vector<XmlQuickSkip> selectorSkips;
    std::vector<std::vector<XmlPath>> fields;
    std::vector<std::vector<XmlQuickSkip>> fieldSkips;
    std::vector<const void*> fieldKeys;
    const Constraint* key = nullptr; // the key a keyref refers to
};

// The tuples of one constraint in one scope. They are kept packed: a large
// document's keys (a point id per point) must stay well within the load's
// memory, so each tuple is one record in a chunked arena, found through an
// open-addressing table of record offsets.
struct XmlIdentityChecker::ValueStore {
    const Constraint* constraint = nullptr;
    // The tuple being collected; absent fields until a scope starts.
    bool scoped = false;
    std::size_t valuesCount = 0;
    std::vector<XmlKeyField> current;
    std::vector<std::u16string> currentText;

    std::vector<xc::DatatypeValidator*> types;
    std::vector<std::unique_ptr<unsigned char[]>> chunks;
    std::size_t chunkUsed = 0;
    std::size_t chunkCapacity = 0; // of the last chunk
    std::vector<std::uint32_t> slots; // record offset + 1; 0 is free
    std::size_t tupleCount = 0;

    static constexpr std::size_t kChunkBits = 20;
    static constexpr std::size_t kChunkSize = std::size_t(1) << kChunkBits;
    static constexpr std::size_t kFirstChunk = 256;

    void Clear()
    {
        scoped = false;
        valuesCount = 0;
        current.clear();
        currentText.clear();
        types.clear();
        chunks.clear();
        chunkUsed = 0;
        chunkCapacity = 0;
        chunkSizes.clear();
        slots.clear();
        tupleCount = 0;
    }

    // A decoded record: its fields point into text owned by the decoder.
    struct Tuple {
        std::uint32_t hash = 0;
        std::vector<XmlKeyField> fields;
        std::vector<std::u16string> text;
    };

    static void PutNumber(std::vector<unsigned char>& out, std::size_t value)
    {
        while (value >= 0x80) {
            out.push_back(static_cast<unsigned char>(value | 0x80));
            value >>= 7;
        }
        out.push_back(static_cast<unsigned char>(value));
    }
    static std::size_t GetNumber(const unsigned char*& at)
    {
        std::size_t value = 0;
        int shift = 0;
        while (*at & 0x80) {
            value |= std::size_t(*at++ & 0x7F) << shift;
            shift += 7;
        }
        value |= std::size_t(*at++) << shift;
        return value;
    }

    std::size_t TypeIndex(xc::DatatypeValidator* type)
    {
        for (std::size_t i = 0; i < types.size(); ++i)
            if (types[i] == type)
                return i;
        types.push_back(type);
        return types.size() - 1;
    }

    // hash, field count, then per field: type index + 1 (0: none), length
    // and form (bit 0: no value, bit 1: two bytes a character), characters.
    std::vector<unsigned char> Encode(std::uint32_t hash, const std::vector<XmlKeyField>& fields)
    {
        std::vector<unsigned char> out(4);
        std::memcpy(out.data(), &hash, 4);
        PutNumber(out, fields.size());
        for (const XmlKeyField& field : fields) {
            PutNumber(out, field.type == nullptr ? 0 : TypeIndex(field.type) + 1);
            if (field.value == nullptr) {
                PutNumber(out, 1);
                continue;
            }
            const std::u16string_view text(field.value);
            bool wide = false;
            for (const char16_t ch : text)
                wide = wide || ch > 0xFF;
            PutNumber(out, (text.size() << 2) | (wide ? 2 : 0));
            for (const char16_t ch : text) {
                out.push_back(static_cast<unsigned char>(ch & 0xFF));
                if (wide)
                    out.push_back(static_cast<unsigned char>(ch >> 8));
            }
        }
        return out;
    }

    const unsigned char* At(std::uint32_t offset) const
    {
        return chunks[offset >> kChunkBits].get() + (offset & (kChunkSize - 1));
    }

    std::uint32_t HashAt(std::uint32_t offset) const
    {
        std::uint32_t hash = 0;
        std::memcpy(&hash, At(offset), 4);
        return hash;
    }

    // Decodes the record at the offset; returns the offset past it.
    std::size_t Decode(std::uint32_t offset, Tuple& tuple) const
    {
        const unsigned char* start = At(offset);
        const unsigned char* at = start;
        std::memcpy(&tuple.hash, at, 4);
        at += 4;
        const std::size_t count = GetNumber(at);
        tuple.fields.assign(count, {});
        tuple.text.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t type = GetNumber(at);
            tuple.fields[i].type = type == 0 ? nullptr : types[type - 1];
            const std::size_t form = GetNumber(at);
            if (form & 1) {
                tuple.fields[i].value = nullptr;
                continue;
            }
            const std::size_t length = form >> 2;
            std::u16string& text = tuple.text[i];
            text.resize(length);
            for (std::size_t c = 0; c < length; ++c) {
                char16_t ch = *at++;
                if (form & 2)
                    ch = static_cast<char16_t>(ch | (char16_t(*at++) << 8));
                text[c] = ch;
            }
            tuple.fields[i].value = text.c_str();
        }
        return offset + static_cast<std::size_t>(at - start);
    }

    template <typename Visit>
    void ForEach(Visit&& visit) const
    {
        Tuple tuple;
        for (std::size_t c = 0; c < chunks.size(); ++c) {
            const std::size_t used = c + 1 == chunks.size() ? chunkUsed : chunkSizes[c];
            std::size_t at = 0;
            while (at < used) {
                const std::uint32_t offset = static_cast<std::uint32_t>((c << kChunkBits) + at);
                at = Decode(offset, tuple) - (c << kChunkBits);
                visit(tuple);
            }
        }
    }
    std::vector<std::size_t> chunkSizes; // the used length of every full chunk

    std::uint32_t Append(const std::vector<unsigned char>& record)
    {
        // Chunks start small and double, so that the many small tables of
        // a document with a constraint per group cost little. A record longer
        // than a chunk gets a chunk of its own; an offset names a chunk in
        // its top bits, so their number is bounded (4 GiB of full chunks).
        if (chunks.empty() || chunkUsed + record.size() > chunkCapacity) {
            if (chunks.size() >= (std::size_t(1) << (32 - kChunkBits)))
                throw std::bad_alloc();
            if (!chunks.empty())
                chunkSizes.push_back(chunkUsed);
            chunkCapacity = std::max(std::min(kChunkSize, std::max(kFirstChunk, chunkCapacity * 2)), record.size());
            chunks.push_back(std::make_unique_for_overwrite<unsigned char[]>(chunkCapacity));
            chunkUsed = 0;
        }
        const std::uint32_t offset = static_cast<std::uint32_t>(((chunks.size() - 1) << kChunkBits) + chunkUsed);
        std::memcpy(chunks.back().get() + chunkUsed, record.data(), record.size());
        chunkUsed += record.size();
        return offset;
    }

    void Insert(std::uint32_t offset, std::uint32_t hash)
    {
        if ((tupleCount + 1) * 4 > slots.size() * 3) {
            std::vector<std::uint32_t> old = std::move(slots);
            slots.assign(old.empty() ? 64 : old.size() * 2, 0);
            for (const std::uint32_t entry : old)
                if (entry != 0)
                    Place(entry, HashAt(entry - 1));
        }
        Place(offset + 1, hash);
        ++tupleCount;
    }

    void Place(std::uint32_t entry, std::uint32_t hash)
    {
        const std::size_t mask = slots.size() - 1;
        std::size_t at = hash & mask;
        while (slots[at] != 0)
            at = (at + 1) & mask;
        slots[at] = entry;
    }
};

struct XmlIdentityChecker::PathState {
    std::size_t currentStep = 0;
    std::size_t noMatchDepth = 0;
    std::uint8_t matched = 0;
    std::vector<std::size_t> steps;

    void Reset()
    {
        currentStep = 0;
        noMatchDepth = 0;
        matched = 0;
        steps.clear();
    }
};

struct XmlIdentityChecker::Matcher {
    bool selector = true;
    const Constraint* constraint = nullptr;
    const std::vector<XmlPath>* paths = nullptr;
    const std::vector<XmlQuickSkip>* skips = nullptr;
    std::vector<PathState> states;
    int initialDepth = 0;
    // A selector's own state.
    int elementDepth = 0;
    std::vector<int> matchedDepth;
    // A field's own state.
    std::size_t field = 0;
    ValueStore* store = nullptr;

    void Reset()
    {
        states.resize(paths->size());
        for (PathState& state : states)
            state.Reset();
        elementDepth = 0;
        matchedDepth.assign(paths->size(), -1);
    }

    std::uint8_t Matched() const
    {
        for (const PathState& state : states)
            if ((state.matched & kMatched) == kMatched && (state.matched & kMatchedAncestor) != kMatchedAncestor)
                return state.matched;
        return 0;
    }
};
