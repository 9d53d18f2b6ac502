// corvane-benchgen: writes the benchmark documents.
//
//   corvane-benchgen landxml|records|relaxng OUT_FILE SIZE_MB [valid|early|late]
//
// landxml: a LandXML 1.2 TIN surface (points <P id=..> on a jittered grid,
//          two triangular faces <F> per grid cell), valid against
//          LandXML-1.2.xsd placed beside it.
// records: a plain ledger of records without keys, valid against
//          records.xsd placed beside it.
// relaxng: the same ledger, naming ledger.rng (a RELAX NG grammar) placed
//          beside it by an xml-model instruction instead.
// "early" and "late" put exactly one datatype error near the start or the
// end; the line that holds it is printed on stdout ("error line N"), and the
// output is the same bytes for the same arguments on every run.

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

enum class ErrorPlace { None, Early, Late };

// Buffered output that counts the lines it has completed.
class Writer {
public:
    explicit Writer(std::FILE* file) : m_file(file) { m_buffer.reserve(kFlushAt + 4096); }

    Writer& operator<<(std::string_view text)
    {
        m_buffer.append(text);
        return *this;
    }
    Writer& operator<<(std::uint64_t value)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_buffer.append(digits, end);
        return *this;
    }
    // A fixed-point value with three decimals, from thousandths.
    Writer& Thousandths(std::uint64_t value)
    {
        *this << value / 1000;
        char fraction[4] = {static_cast<char>('0' + value / 100 % 10),
                            static_cast<char>('0' + value / 10 % 10),
                            static_cast<char>('0' + value % 10), 0};
        m_buffer += '.';
        m_buffer.append(fraction, 3);
        return *this;
    }
    // Ends the current line; returns its number (1-based).
    std::uint64_t EndLine()
    {
        m_buffer += '\n';
        if (m_buffer.size() >= kFlushAt)
            Flush();
        return ++m_lines;
    }
    std::uint64_t NextLine() const { return m_lines + 1; }
    std::uint64_t BytesWritten() const { return m_written + m_buffer.size(); }
    bool Flush()
    {
        const bool ok = std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) == m_buffer.size();
        m_written += m_buffer.size();
        m_buffer.clear();
        m_ok = m_ok && ok;
        return m_ok;
    }

private:
    static constexpr std::size_t kFlushAt = 1 << 20;
    std::FILE* m_file;
    std::string m_buffer;
    std::uint64_t m_lines = 0;
    std::uint64_t m_written = 0;
    bool m_ok = true;
};

// A small deterministic generator (xorshift64*): the same data on every run.
class Random {
public:
    std::uint64_t Next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1DULL;
    }
    std::uint64_t Below(std::uint64_t bound) { return Next() % bound; }

private:
    std::uint64_t m_state = 0x9E3779B97F4A7C15ULL;
};

constexpr std::uint64_t kGridColumns = 1000;

std::uint64_t DecimalDigits(std::uint64_t value)
{
    std::uint64_t digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

// Grid rows for about TARGETBYTES: a grid cell adds one point line and two
// face lines, whose lengths depend on how many digits the ids take.
std::uint64_t LandXmlRows(std::uint64_t targetBytes)
{
    const std::uint64_t roughPoints = targetBytes / 140;
    const std::uint64_t digits = DecimalDigits(std::max<std::uint64_t>(roughPoints, 1));
    const std::uint64_t bytesPerCell = (53 + digits) + 2 * (19 + 3 * digits);
    return std::max<std::uint64_t>(3, targetBytes / (bytesPerCell * kGridColumns));
}

std::uint64_t WriteLandXml(Writer& out, std::uint64_t targetBytes, ErrorPlace place)
{
    const std::uint64_t rows = LandXmlRows(targetBytes);
    const std::uint64_t points = rows * kGridColumns;
    const std::uint64_t faces = (rows - 1) * (kGridColumns - 1) * 2;
    std::uint64_t errorLine = 0;
    Random random;

    out << R"(<?xml version="1.0" encoding="UTF-8"?>)";
    out.EndLine();
    out << R"(<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2" )"
        << R"(xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" )"
        << R"(xsi:schemaLocation="http://www.landxml.org/schema/LandXML-1.2 LandXML-1.2.xsd" )"
        << R"(version="1.2" date="2024-05-14" time="09:30:00">)";
    out.EndLine();
    out << "  <Units>";
    out.EndLine();
    out << R"(    <Metric areaUnit="squareMeter" linearUnit="meter" volumeUnit="cubicMeter" )"
        << R"(temperatureUnit="celsius" pressureUnit="HPA"/>)";
    out.EndLine();
    out << "  </Units>";
    out.EndLine();
    out << R"(  <Project name="Corvane benchmark terrain"/>)";
    out.EndLine();
    out << R"(  <Application name="corvane-benchgen" version="1.0"/>)";
    out.EndLine();
    out << "  <Surfaces>";
    out.EndLine();
    out << R"(    <Surface name="Existing ground">)";
    out.EndLine();
    out << R"(      <Definition surfType="TIN">)";
    out.EndLine();
    out << "        <Pnts>";
    out.EndLine();
    for (std::uint64_t id = 1; id <= points; ++id) {
        const std::uint64_t row = (id - 1) / kGridColumns;
        const std::uint64_t column = (id - 1) % kGridColumns;
        // Two and a half metres between grid points, up to 40 cm of jitter,
        // and a gently rolling ground between 180 and 260 m.
        const std::uint64_t northing = 5'200'000'000 + row * 2500 + random.Below(400);
        const std::uint64_t easting = 640'000'000 + column * 2500 + random.Below(400);
        const std::uint64_t elevation =
            180'000 + (row * 37 + column * 53) % 60'000 + random.Below(20'000);
        // An id of 0 is not a positive integer.
        const bool broken = place == ErrorPlace::Early && id == 5;
        out << R"(          <P id=")" << (broken ? 0 : id) << R"(">)";
        out.Thousandths(northing) << " ";
        out.Thousandths(easting) << " ";
        out.Thousandths(elevation) << "</P>";
        const auto line = out.EndLine();
        if (broken)
            errorLine = line;
    }
    out << "        </Pnts>";
    out.EndLine();
    out << "        <Faces>";
    out.EndLine();
    std::uint64_t face = 0;
    for (std::uint64_t row = 0; row + 1 < rows; ++row) {
        for (std::uint64_t column = 0; column + 1 < kGridColumns; ++column) {
            const std::uint64_t a = row * kGridColumns + column + 1;
            const std::uint64_t b = a + 1;
            const std::uint64_t c = a + kGridColumns;
            const std::uint64_t d = c + 1;
            for (int half = 0; half < 2; ++half) {
                ++face;
                // A vertex that is not an integer breaks the face's list type.
                const bool broken = place == ErrorPlace::Late && face == faces - 3;
                out << "          <F>" << a << " " << (half == 0 ? b : d) << " ";
                if (broken)
                    out << "x";
                else
                    out << (half == 0 ? d : c);
                out << "</F>";
                const auto line = out.EndLine();
                if (broken)
                    errorLine = line;
            }
        }
    }
    out << "        </Faces>";
    out.EndLine();
    out << "      </Definition>";
    out.EndLine();
    out << "    </Surface>";
    out.EndLine();
    out << "  </Surfaces>";
    out.EndLine();
    out << "</LandXML>";
    out.EndLine();
    return errorLine;
}

constexpr std::uint64_t kRecordBytes = 199;
constexpr std::string_view kCurrencies[] = {"EUR", "USD", "GBP", "CHF"};
constexpr std::string_view kMemos[] = {"Invoice settled", "Transfer between accounts",
                                       "Card payment", "Standing order", "Refund"};

enum class LedgerSchema { Xsd, RelaxNg };

std::uint64_t WriteRecords(Writer& out, std::uint64_t targetBytes, ErrorPlace place,
                           LedgerSchema schema)
{
    const std::uint64_t records = std::max<std::uint64_t>(10, targetBytes / kRecordBytes);
    std::uint64_t errorLine = 0;
    Random random;

    out << R"(<?xml version="1.0" encoding="UTF-8"?>)";
    out.EndLine();
    if (schema == LedgerSchema::RelaxNg) {
        out << R"(<?xml-model href="ledger.rng" )"
            << R"(schematypens="http://relaxng.org/ns/structure/1.0"?>)";
        out.EndLine();
        out << "<ledger>";
    } else {
        out << R"(<ledger xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" )"
            << R"(xsi:noNamespaceSchemaLocation="records.xsd">)";
    }
    out.EndLine();
    for (std::uint64_t seq = 1; seq <= records; ++seq) {
        const std::uint64_t account = 100'000 + random.Below(900'000);
        const std::uint64_t month = 1 + random.Below(12);
        const std::uint64_t day = 1 + random.Below(28);
        const std::uint64_t cents = random.Below(10'000'000);
        out << R"(  <record seq=")" << seq << R"(">)";
        out.EndLine();
        out << "    <account>AC-" << account << "</account>";
        out.EndLine();
        // Month 13 is no date; an amount with two points is no decimal.
        const bool brokenDate = place == ErrorPlace::Late && seq == records - 2;
        out << "    <posted>2024-" << (brokenDate ? "13" : month < 10 ? "0" : "");
        if (!brokenDate)
            out << month;
        out << "-" << (day < 10 ? "0" : "") << day << "</posted>";
        const auto dateLine = out.EndLine();
        const bool brokenAmount = place == ErrorPlace::Early && seq == 3;
        out << "    <amount>" << cents / 100 << "." << (cents % 100 < 10 ? "0" : "") << cents % 100
            << (brokenAmount ? ".5" : "") << "</amount>";
        const auto amountLine = out.EndLine();
        out << "    <currency>" << kCurrencies[random.Below(4)] << "</currency>";
        out.EndLine();
        out << "    <memo>" << kMemos[random.Below(5)] << " no. " << seq << "</memo>";
        out.EndLine();
        out << "  </record>";
        out.EndLine();
        if (brokenDate)
            errorLine = dateLine;
        if (brokenAmount)
            errorLine = amountLine;
    }
    out << "</ledger>";
    out.EndLine();
    return errorLine;
}

int Usage()
{
    std::fputs("usage: corvane-benchgen landxml|records|relaxng OUT_FILE SIZE_MB "
               "[valid|early|late]\n",
               stderr);
    return 64;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 5)
        return Usage();
    const std::string_view kind = argv[1];
    const std::string_view sizeText = argv[3];
    std::uint64_t megabytes = 0;
    if (std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), megabytes).ec !=
            std::errc{} ||
        megabytes == 0)
        return Usage();
    ErrorPlace place = ErrorPlace::None;
    if (argc == 5) {
        const std::string_view placeText = argv[4];
        if (placeText == "early")
            place = ErrorPlace::Early;
        else if (placeText == "late")
            place = ErrorPlace::Late;
        else if (placeText != "valid")
            return Usage();
    }
    if (kind != "landxml" && kind != "records" && kind != "relaxng")
        return Usage();

    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(argv[2], "wb"));
    if (!file) {
        std::perror(argv[2]);
        return 1;
    }
    Writer out(file.get());
    const std::uint64_t target = megabytes * 1'000'000;
    const std::uint64_t errorLine =
        kind == "landxml"
            ? WriteLandXml(out, target, place)
            : WriteRecords(out, target, place,
                           kind == "relaxng" ? LedgerSchema::RelaxNg : LedgerSchema::Xsd);
    if (!out.Flush() || std::fclose(file.release()) != 0) {
        std::perror(argv[2]);
        return 1;
    }
    std::printf("%s: %llu bytes", argv[2], static_cast<unsigned long long>(out.BytesWritten()));
    if (errorLine != 0)
        std::printf(", error line %llu", static_cast<unsigned long long>(errorLine));
    std::printf("\n");
    return 0;
}
