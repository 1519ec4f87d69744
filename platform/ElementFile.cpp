#include "platform/ElementFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>

#include <string>
#include <vector>

using orbits::ElementFile;
using orbits::ElementProblem;

namespace {

const std::pair<ElementProblem, const char *> kProblemTexts[] = {
    //: Why a satellite's orbital elements in a file were not used
    {ElementProblem::BadChecksum, QT_TRANSLATE_NOOP("ElementProblem", "a bad checksum")},
    {ElementProblem::MalformedLine, QT_TRANSLATE_NOOP("ElementProblem", "a malformed line")},
    {ElementProblem::BadValue, QT_TRANSLATE_NOOP("ElementProblem", "a value that is not a number")},
    {ElementProblem::MissingLine, QT_TRANSLATE_NOOP("ElementProblem", "a missing line")},
    {ElementProblem::MismatchedLines,
     QT_TRANSLATE_NOOP("ElementProblem", "lines of two different satellites")},
    {ElementProblem::BadCatalogNumber,
     QT_TRANSLATE_NOOP("ElementProblem", "a bad catalogue number")},
    {ElementProblem::MissingField, QT_TRANSLATE_NOOP("ElementProblem", "a missing field")},
    {ElementProblem::ImpossibleValue, QT_TRANSLATE_NOOP("ElementProblem", "an impossible value")},
    {ElementProblem::UnknownFormat,
     QT_TRANSLATE_NOOP("ElementProblem", "not element sets nor OMM")},
    {ElementProblem::FileTooLarge, QT_TRANSLATE_NOOP("ElementProblem", "larger than 50 MB")},
    {ElementProblem::Unreadable, QT_TRANSLATE_NOOP("ElementProblem", "missing or not readable")},
    {ElementProblem::BadSyntax,
     QT_TRANSLATE_NOOP("ElementProblem", "JSON or XML that does not parse")},
};

// One record's values, owned while orbits::elementSetFromOmm reads them.
struct OwnedRecord
{
    std::array<std::string, orbits::kOmmFieldNames.size()> values;

    void set(QStringView key, const std::string &value)
    {
        const int field = orbits::ommFieldIndex(key.toUtf8().toStdString());
        if (field >= 0)
            values[size_t(field)] = value;
    }

    void addTo(ElementFile &file, size_t line) const
    {
        orbits::OmmRecord record;
        for (size_t i = 0; i < values.size(); ++i)
            record[i] = values[i];
        orbits::ElementSet set;
        if (const ElementProblem problem = orbits::elementSetFromOmm(record, set);
            problem != ElementProblem::None)
            file.skip(line, problem);
        else
            file.sets.push_back(std::move(set));
    }
};

// The 1-based line on which each element of the top-level array starts (or
// the one line of a lone object): QJsonDocument keeps no lines.
std::vector<size_t> jsonElementLines(const QByteArray &bytes)
{
    std::vector<size_t> lines;
    size_t line = 1;
    int depth = 0;
    bool inString = false, escaped = false, expectElement = false;
    for (const char c : bytes) {
        if (c == '\n')
            ++line;
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
            continue;
        }
        const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (expectElement && !space && c != ']') {
            lines.push_back(line);
            expectElement = false;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (depth == 0)
                lines.push_back(line); // replaced below for an array
            ++depth;
            if (depth == 1 && c == '[') {
                lines.clear();
                expectElement = true;
            }
        } else if (c == ']' || c == '}') {
            --depth;
        } else if (c == ',' && depth == 1) {
            expectElement = true;
        }
    }
    return lines;
}

std::string jsonValueText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString().toStdString();
    if (value.isDouble())
        return QByteArray::number(value.toDouble(), 'g', 17).toStdString();
    return "\x7f"; // neither: no field reads it as a number
}

ElementFile parseJson(const QByteArray &bytes)
{
    ElementFile file;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        file.fileProblem = ElementProblem::BadSyntax;
        return file;
    }
    const QJsonArray records =
        document.isArray() ? document.array() : QJsonArray{document.object()};
    const std::vector<size_t> lines = jsonElementLines(bytes);
    for (qsizetype i = 0; i < records.size(); ++i) {
        const size_t line = size_t(i) < lines.size() ? lines[size_t(i)] : 0;
        if (!records.at(i).isObject()) {
            file.skip(line, ElementProblem::MalformedLine);
            continue;
        }
        OwnedRecord record;
        const QJsonObject object = records.at(i).toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            record.set(it.key(), jsonValueText(it.value()));
        record.addTo(file, line);
    }
    return file;
}

// CCSDS's NDM/XML: each <omm> holds its fields as elements named like the
// keys, nested in metadata, meanElements and tleParameters.
ElementFile parseXml(const QByteArray &bytes)
{
    ElementFile file;
    QXmlStreamReader xml(bytes);
    std::optional<OwnedRecord> record;
    size_t recordLine = 0, records = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == u"omm") {
                record.emplace();
                recordLine = size_t(xml.lineNumber());
            } else if (record && orbits::ommFieldIndex(xml.name().toUtf8().toStdString()) >= 0) {
                const QString key = xml.name().toString();
                record->set(key, xml.readElementText(QXmlStreamReader::SkipChildElements)
                                     .trimmed()
                                     .toStdString());
            }
        } else if (token == QXmlStreamReader::EndElement && xml.name() == u"omm" && record) {
            record->addTo(file, recordLine);
            record.reset();
            ++records;
        }
    }
    if (xml.hasError()) {
        if (records == 0)
            file = ElementFile::failed(ElementProblem::BadSyntax);
        else
            file.skip(size_t(xml.lineNumber()), ElementProblem::BadSyntax);
    } else if (records == 0) {
        file.fileProblem = ElementProblem::UnknownFormat;
    }
    return file;
}

} // namespace

ElementFile parseElementBytes(const QByteArray &bytes)
{
    if (bytes.size() > orbits::kMaxElementFileBytes)
        return ElementFile::failed(ElementProblem::FileTooLarge);
    const QByteArray start = bytes.left(256).trimmed();
    if (start.startsWith('[') || start.startsWith('{'))
        return parseJson(bytes);
    if (start.startsWith('<'))
        return parseXml(bytes);
    return orbits::readElementText(std::string_view(bytes.constData(), size_t(bytes.size())));
}

ElementFile readElementFile(const QString &path)
{
    const QFileInfo info(path);
    QFile file(path);
    // Only regular files: a device or a pipe could be endless.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return ElementFile::failed(ElementProblem::Unreadable);
    if (info.size() > orbits::kMaxElementFileBytes)
        return ElementFile::failed(ElementProblem::FileTooLarge);
    const QByteArray bytes = file.read(orbits::kMaxElementFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return ElementFile::failed(ElementProblem::Unreadable);
    return parseElementBytes(bytes);
}

QString elementProblemText(ElementProblem problem, bool translated)
{
    for (const auto &[each, text] : kProblemTexts) {
        if (each == problem)
            return translated ? QCoreApplication::translate("ElementProblem", text)
                              : QString::fromLatin1(text);
    }
    return {};
}

QString elementFileMessage(const ElementFile &file, const QString &path, bool translated)
{
    if (file.fileProblem != ElementProblem::None) {
        const QString problem = elementProblemText(file.fileProblem, translated);
        return translated ? QCoreApplication::translate(
                                "ElementProblem", "Cannot read the satellites' elements in %1: %2")
                                .arg(path, problem)
                          : QStringLiteral("cannot read the satellites' elements in \"%1\": %2")
                                .arg(path, problem);
    }
    if (file.skipped == 0)
        return {};
    const QString problem = elementProblemText(file.firstSkippedProblem, translated);
    if (translated)
        return QCoreApplication::translate("ElementProblem",
                                           "Skipped %n record(s) in %1, the first on line %2: %3",
                                           nullptr, int(file.skipped))
            .arg(path)
            .arg(file.firstSkippedLine)
            .arg(problem);
    return QStringLiteral("skipped %1 record%2 in \"%3\", the first on line %4: %5")
        .arg(file.skipped)
        .arg(file.skipped == 1 ? "" : "s")
        .arg(path)
        .arg(file.firstSkippedLine)
        .arg(problem);
}
