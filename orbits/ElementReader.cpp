#include "orbits/ElementReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace orbits {

namespace {

constexpr size_t kTleLineLength = 69;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A whole field as a number, without the locale: from_chars never reads a
// decimal comma. A leading '+' is allowed, as TLEs and JSON writers use it.
template <typename T> bool parseNumber(std::string_view s, T &value)
{
    s = trimmed(s);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return !s.empty() && error == std::errc() && end == s.data() + s.size();
}

// Columns first to last, counted from 1 as the format's tables count them.
std::string_view columns(std::string_view line, size_t first, size_t last)
{
    return line.substr(first - 1, last - first + 1);
}

// A TLE's "12345-6": a sign, five digits after an assumed point, and a
// power of ten; all blank is zero. The mantissa is scaled like the published
// reader does, which the verification set's figures follow.
bool parseAssumedPoint(std::string_view field, double &value)
{
    if (trimmed(field).empty()) {
        value = 0.0;
        return true;
    }
    if (field.size() != 8 || (field[0] != ' ' && field[0] != '+' && field[0] != '-') ||
        (field[6] != '+' && field[6] != '-' && field[6] != ' ') || !isDigit(field[7]))
        return false;
    int32_t mantissa = 0;
    for (size_t i = 1; i < 6; ++i) {
        if (field[i] == ' ' && mantissa == 0)
            continue;
        if (!isDigit(field[i]))
            return false;
        mantissa = mantissa * 10 + (field[i] - '0');
    }
    const int exponent = (field[6] == '-' ? -1 : 1) * (field[7] - '0');
    value = (field[0] == '-' ? -1.0 : 1.0) * (double(mantissa) / 1e5) * std::pow(10.0, exponent);
    return true;
}

// A line of a TLE without its line ending and trailing blanks.
std::string_view tleLine(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
        line.remove_suffix(1);
    return line;
}

bool startsTleLine(std::string_view line, char number)
{
    return line.size() >= 2 && line[0] == number && line[1] == ' ';
}

// The problem with a line's length or checksum, None when both are right.
ElementProblem checkTleLine(std::string_view line)
{
    if (line.size() != kTleLineLength)
        return ElementProblem::MalformedLine;
    if (!isDigit(line[68]))
        return ElementProblem::MalformedLine;
    return tleChecksum(line) == line[68] - '0' ? ElementProblem::None : ElementProblem::BadChecksum;
}

struct Fault
{
    size_t line;
    ElementProblem problem;
};

// A set from its two lines at 1-based line numbers n1 and n1 + 1.
std::optional<Fault> parseTle(std::string_view line1, std::string_view line2, size_t n1,
                              ElementSet &set)
{
    const size_t n2 = n1 + 1;
    for (const auto &[line, n] : {std::pair{line1, n1}, std::pair{line2, n2}})
        if (const ElementProblem problem = checkTleLine(line); problem != ElementProblem::None)
            return Fault{n, problem};
    const auto number1 = catalogNumberFromAlpha5(columns(line1, 3, 7));
    if (!number1)
        return Fault{n1, ElementProblem::BadCatalogNumber};
    const auto number2 = catalogNumberFromAlpha5(columns(line2, 3, 7));
    if (!number2)
        return Fault{n2, ElementProblem::BadCatalogNumber};
    if (*number1 != *number2)
        return Fault{n2, ElementProblem::MismatchedLines};
    set.catalogNumber = *number1;
    set.internationalDesignator = std::string(trimmed(columns(line1, 10, 17)));

    int year = 0;
    double day = 0.0;
    const std::string_view yearField = columns(line1, 19, 20);
    if (!isDigit(yearField[1]) || !parseNumber(yearField, year) ||
        !parseNumber(columns(line1, 21, 32), day) ||
        !parseNumber(columns(line1, 34, 43), set.meanMotionDotRevPerDay2) ||
        !parseAssumedPoint(columns(line1, 45, 52), set.meanMotionDdotRevPerDay3) ||
        !parseAssumedPoint(columns(line1, 54, 61), set.bstar))
        return Fault{n1, ElementProblem::MalformedLine};
    if (!(day >= 1.0 && day < 367.0))
        return Fault{n1, ElementProblem::ImpossibleValue};
    set.epochUnixSeconds = unixSecondsOfTleEpoch(year, day);

    // The eccentricity's seven digits follow an assumed decimal point.
    const std::string_view eccentricity = columns(line2, 27, 33);
    if (!std::all_of(eccentricity.begin(), eccentricity.end(), isDigit) ||
        !parseNumber(columns(line2, 9, 16), set.inclinationDeg) ||
        !parseNumber(columns(line2, 18, 25), set.raanDeg) ||
        !parseNumber(columns(line2, 35, 42), set.argumentOfPerigeeDeg) ||
        !parseNumber(columns(line2, 44, 51), set.meanAnomalyDeg) ||
        !parseNumber(columns(line2, 53, 63), set.meanMotionRevPerDay))
        return Fault{n2, ElementProblem::MalformedLine};
    set.eccentricity = double(std::stoi(std::string(eccentricity))) / 1e7;
    if (checkElementValues(set) != ElementProblem::None)
        return Fault{n2, ElementProblem::ImpossibleValue};
    return std::nullopt;
}

// The lines of a text, each without its '\n'.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        lines.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

ElementFile readTle(const std::vector<std::string_view> &lines)
{
    ElementFile file;
    std::optional<size_t> name; // the index of a name line waiting for its set
    bool sawTleLine = false;
    const auto dropName = [&] {
        if (name)
            file.skip(*name + 1, ElementProblem::MissingLine);
        name.reset();
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = tleLine(lines[i]);
        if (trimmed(line).empty())
            continue;
        const bool first = startsTleLine(line, '1');
        sawTleLine = sawTleLine || first || startsTleLine(line, '2');
        if (first && i + 1 < lines.size() && startsTleLine(tleLine(lines[i + 1]), '2')) {
            ElementSet set;
            if (name) {
                // Space-Track's three-line sets begin the name line with "0 ".
                std::string_view text = trimmed(lines[*name]);
                if (text.size() > 2 && text.substr(0, 2) == "0 ")
                    text = trimmed(text.substr(2));
                set.name = std::string(text);
                name.reset();
            }
            if (const auto fault = parseTle(line, tleLine(lines[i + 1]), i + 1, set))
                file.skip(fault->line, fault->problem);
            else
                file.sets.push_back(std::move(set));
            ++i;
        } else if (first || startsTleLine(line, '2')) {
            dropName();
            file.skip(i + 1, ElementProblem::MissingLine);
        } else {
            dropName();
            name = i;
        }
    }
    dropName();
    return sawTleLine ? file : ElementFile::failed(ElementProblem::UnknownFormat);
}

// Splits a CSV line into fields, undoing RFC 4180 quotes in place in \a buffer.
// False for a quote left open.
bool splitCsv(std::string_view line, std::string &buffer, std::vector<std::string_view> &fields)
{
    buffer.assign(line);
    fields.clear();
    size_t read = 0, write = 0, start = 0;
    bool quoted = false;
    while (read < buffer.size()) {
        const char c = buffer[read++];
        if (quoted) {
            if (c != '"') {
                buffer[write++] = c;
            } else if (read < buffer.size() && buffer[read] == '"') {
                buffer[write++] = '"';
                ++read;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back(buffer.data() + start, write - start);
            start = write;
        } else {
            buffer[write++] = c;
        }
    }
    fields.emplace_back(buffer.data() + start, write - start);
    return !quoted;
}

ElementFile readCsv(const std::vector<std::string_view> &lines, size_t headerIndex)
{
    ElementFile file;
    std::string buffer;
    std::vector<std::string_view> fields;
    splitCsv(trimmed(lines[headerIndex]), buffer, fields);
    std::vector<int> columnField;
    for (const std::string_view key : fields)
        columnField.push_back(ommFieldIndex(trimmed(key)));
    const size_t columnCount = columnField.size();
    for (size_t i = headerIndex + 1; i < lines.size(); ++i) {
        const std::string_view line = trimmed(lines[i]);
        if (line.empty())
            continue;
        if (!splitCsv(line, buffer, fields) || fields.size() != columnCount) {
            file.skip(i + 1, ElementProblem::MalformedLine);
            continue;
        }
        OmmRecord record{};
        for (size_t k = 0; k < columnCount; ++k)
            if (columnField[k] >= 0)
                record[size_t(columnField[k])] = trimmed(fields[k]);
        ElementSet set;
        if (const ElementProblem problem = elementSetFromOmm(record, set);
            problem != ElementProblem::None)
            file.skip(i + 1, problem);
        else
            file.sets.push_back(std::move(set));
    }
    return file;
}

// "2020-10-13T04:52:48.472320" or "2020-287T04:52:48.47", a trailing 'Z' allowed.
bool parseOmmEpoch(std::string_view text, double &unixSeconds)
{
    if (!text.empty() && text.back() == 'Z')
        text.remove_suffix(1);
    const size_t t = text.find('T');
    if (t == std::string_view::npos)
        return false;
    const std::string_view date = text.substr(0, t), time = text.substr(t + 1);
    int year = 0, month = 1, day = 0, hour = 0, minute = 0;
    double second = 0.0;
    const auto digits = [](std::string_view s, size_t count, int &value) {
        return s.size() == count && std::all_of(s.begin(), s.end(), isDigit) &&
               parseNumber(s, value);
    };
    if (date.size() < 8 || date[4] != '-' || !digits(date.substr(0, 4), 4, year))
        return false;
    if (date.size() == 8) { // day of the year
        if (!digits(date.substr(5), 3, day) || day < 1 || day > 366)
            return false;
    } else if (date.size() != 10 || date[7] != '-' || !digits(date.substr(5, 2), 2, month) ||
               !digits(date.substr(8), 2, day)) {
        return false;
    }
    if (time.size() < 8 || time[2] != ':' || time[5] != ':' ||
        !digits(time.substr(0, 2), 2, hour) || !digits(time.substr(3, 2), 2, minute) ||
        !isDigit(time[6]) || !parseNumber(time.substr(6), second) || hour > 23 || minute > 59 ||
        !(second < 61.0))
        return false;
    if (date.size() == 8) {
        unixSeconds = unixSecondsOfDate(year, 1, 1, hour, minute, second) + (day - 1) * 86400.0;
        return std::isfinite(unixSeconds);
    }
    unixSeconds = unixSecondsOfDate(year, month, day, hour, minute, second);
    return std::isfinite(unixSeconds);
}

} // namespace

void ElementFile::skip(size_t line, ElementProblem problem)
{
    if (skipped++ == 0) {
        firstSkippedLine = line;
        firstSkippedProblem = problem;
    }
}

int tleChecksum(std::string_view line)
{
    int sum = 0;
    for (const char c : line.substr(0, kTleLineLength - 1))
        sum += isDigit(c) ? c - '0' : c == '-' ? 1 : 0;
    return sum % 10;
}

ElementFile readElementText(std::string_view text)
{
    const std::vector<std::string_view> lines = splitLines(text);
    size_t first = 0;
    while (first < lines.size() && trimmed(lines[first]).empty())
        ++first;
    if (first == lines.size())
        return ElementFile::failed(ElementProblem::UnknownFormat);
    const std::string_view head = lines[first];
    if (head.find(',') != std::string_view::npos &&
        head.find(kOmmFieldNames[size_t(OmmField::NoradCatId)]) != std::string_view::npos)
        return readCsv(lines, first);
    return readTle(lines);
}

int ommFieldIndex(std::string_view key)
{
    const auto found = std::find(kOmmFieldNames.begin(), kOmmFieldNames.end(), key);
    return found == kOmmFieldNames.end() ? -1 : int(found - kOmmFieldNames.begin());
}

ElementProblem elementSetFromOmm(const OmmRecord &record, ElementSet &set)
{
    const auto value = [&](OmmField field) { return trimmed(record[size_t(field)]); };
    for (const OmmField field :
         {OmmField::Epoch, OmmField::MeanMotion, OmmField::Eccentricity, OmmField::Inclination,
          OmmField::RaOfAscNode, OmmField::ArgOfPericenter, OmmField::MeanAnomaly,
          OmmField::NoradCatId})
        if (value(field).empty())
            return ElementProblem::MissingField;
    // Optional numbers are zero when absent.
    const auto optional = [&](OmmField field, double &number) {
        number = 0.0;
        return value(field).empty() || parseNumber(value(field), number);
    };
    const std::string_view catalog = value(OmmField::NoradCatId);
    if (catalog.size() > 9 || !std::all_of(catalog.begin(), catalog.end(), isDigit) ||
        !parseNumber(catalog, set.catalogNumber))
        return ElementProblem::BadCatalogNumber;
    if (!parseOmmEpoch(value(OmmField::Epoch), set.epochUnixSeconds) ||
        !parseNumber(value(OmmField::MeanMotion), set.meanMotionRevPerDay) ||
        !parseNumber(value(OmmField::Eccentricity), set.eccentricity) ||
        !parseNumber(value(OmmField::Inclination), set.inclinationDeg) ||
        !parseNumber(value(OmmField::RaOfAscNode), set.raanDeg) ||
        !parseNumber(value(OmmField::ArgOfPericenter), set.argumentOfPerigeeDeg) ||
        !parseNumber(value(OmmField::MeanAnomaly), set.meanAnomalyDeg) ||
        !optional(OmmField::Bstar, set.bstar) ||
        !optional(OmmField::MeanMotionDot, set.meanMotionDotRevPerDay2) ||
        !optional(OmmField::MeanMotionDdot, set.meanMotionDdotRevPerDay3))
        return ElementProblem::BadValue;
    set.name = std::string(value(OmmField::ObjectName));
    set.internationalDesignator = std::string(value(OmmField::ObjectId));
    return checkElementValues(set);
}

} // namespace orbits
