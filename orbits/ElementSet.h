#pragma once

// One satellite's mean orbital elements, as a two- or three-line element set
// or an OMM record gives them, and the problems that make a record unusable.
// No Qt: the readers above turn the problem codes into words.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbits {

/// Why a record or a whole file was not used.
enum class ElementProblem : uint8_t
{
    None,
    BadChecksum,      ///< a line's last digit is not the sum of its digits and minus signs
    MalformedLine,    ///< a field is not where or what the format says
    BadValue,         ///< an OMM value that is not a number or a date
    MissingLine,      ///< a name or a first line without its second line, or the reverse
    MismatchedLines,  ///< the two lines name different catalogue numbers
    BadCatalogNumber, ///< not a number nor an Alpha-5 one (I and O are not used)
    MissingField,     ///< an OMM record lacks one of the elements
    ImpossibleValue,  ///< a value outside its range, such as an eccentricity of 1.2
    UnknownFormat,    ///< the file is neither element sets nor OMM
    FileTooLarge,     ///< over kMaxElementFileBytes
    Unreadable,       ///< missing or not readable
    BadSyntax,        ///< JSON or XML that does not parse
};

/// Files larger than this are refused before they are read.
inline constexpr int64_t kMaxElementFileBytes = 50 * 1000 * 1000;

struct ElementSet
{
    std::string name; ///< empty for a two-line set
    int32_t catalogNumber = 0;
    std::string internationalDesignator; ///< "1998-067A" or the TLE's "98067A"
    double epochUnixSeconds = 0.0;       ///< UTC, seconds since 1970
    double meanMotionRevPerDay = 0.0;    ///< Kozai mean motion
    double eccentricity = 0.0;
    double inclinationDeg = 0.0;
    double raanDeg = 0.0; ///< right ascension of the ascending node
    double argumentOfPerigeeDeg = 0.0;
    double meanAnomalyDeg = 0.0;
    double bstar = 0.0; ///< drag term, per Earth radius
    double meanMotionDotRevPerDay2 = 0.0;
    double meanMotionDdotRevPerDay3 = 0.0;
};

/// The largest catalogue number Alpha-5 can write, Z9999.
inline constexpr int32_t kMaxAlpha5Number = 339999;

/// "25544" or "A0000" (100000) to "Z9999" (339999); leading blanks allowed.
std::optional<int32_t> catalogNumberFromAlpha5(std::string_view text);
/// The five characters a TLE writes for a number, "B1234"; empty above Z9999.
std::string alpha5FromCatalogNumber(int32_t number);

/// ImpossibleValue when an element is out of its range, else None.
ElementProblem checkElementValues(const ElementSet &set);

/// UTC seconds since 1970 of a TLE epoch: two-digit year (57 to 99 are 19xx)
/// and the day of the year with its fraction, 1.0 being 1 January 0 h.
double unixSecondsOfTleEpoch(int twoDigitYear, double dayOfYear);

/// UTC seconds since 1970 of a calendar date and time.
double unixSecondsOfDate(int year, int month, int day, int hour, int minute, double second);

} // namespace orbits
