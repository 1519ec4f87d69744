#pragma once

// Reading element sets from text: two-line sets, three-line sets with their
// names, and OMM records (CCSDS 502.0-B) as CSV with a header row naming the
// fields, as CelesTrak writes them. A bad record is skipped and counted; the
// rest are used. OMM's JSON and XML forms are parsed above this library and
// reach it through elementSetFromOmm, so that every form checks the same way.

#include "orbits/ElementSet.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace orbits {

struct ElementFile
{
    std::vector<ElementSet> sets;
    size_t skipped = 0;          ///< records not used
    size_t firstSkippedLine = 0; ///< 1-based line of the first one's fault, 0 for none
    ElementProblem firstSkippedProblem = ElementProblem::None;
    ElementProblem fileProblem = ElementProblem::None; ///< set when nothing could be read

    /// Nothing read, for the reason given.
    static ElementFile failed(ElementProblem problem)
    {
        ElementFile file;
        file.fileProblem = problem;
        return file;
    }

    /// Counts a record as skipped, keeping the first one's line and problem.
    void skip(size_t line, ElementProblem problem);
};

/// The checksum digit of a TLE line: the sum of the digits of its first 68
/// characters, a minus sign counting 1, modulo 10.
int tleChecksum(std::string_view line);

/// Two- or three-line sets, or OMM as CSV when the first line is a header
/// naming NORAD_CAT_ID.
ElementFile readElementText(std::string_view text);

/// The OMM fields the program reads, in the order of kOmmFieldNames.
enum class OmmField : uint8_t
{
    ObjectName,
    ObjectId,
    Epoch,
    MeanMotion,
    Eccentricity,
    Inclination,
    RaOfAscNode,
    ArgOfPericenter,
    MeanAnomaly,
    NoradCatId,
    Bstar,
    MeanMotionDot,
    MeanMotionDdot,
};

inline constexpr std::array<std::string_view, 13> kOmmFieldNames = {
    "OBJECT_NAME",     "OBJECT_ID",    "EPOCH",          "MEAN_MOTION",
    "ECCENTRICITY",    "INCLINATION",  "RA_OF_ASC_NODE", "ARG_OF_PERICENTER",
    "MEAN_ANOMALY",    "NORAD_CAT_ID", "BSTAR",          "MEAN_MOTION_DOT",
    "MEAN_MOTION_DDOT"};

/// One record's values by field; an empty value is a missing one.
using OmmRecord = std::array<std::string_view, kOmmFieldNames.size()>;

/// The field of a key, or -1 for one the program does not read.
int ommFieldIndex(std::string_view key);

/// The set an OMM record gives, or the problem with it (ElementProblem::None
/// when \a set is filled). Numbers are as JSON writes them ("1.5e-4", ".1845");
/// EPOCH is "2020-10-13T04:52:48.472320" or "2020-287T04:52:48.47", UTC.
ElementProblem elementSetFromOmm(const OmmRecord &record, ElementSet &set);

} // namespace orbits
