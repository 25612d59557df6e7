#include "storage/CalcFile.h"

#include "controls/NumericField.h"
#include "model/FormRules.h"
#include "storage/InputRounds.h"
#include "storage/MemoryProfileStore.h"
#include "storage/StoredInputs.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace CalcFile {

const char* const kFormat = "nordavik-kaldora";
const char* const kSuffix = "kaldora";

namespace {

// Far beyond any calculation file; a larger one is not read into memory.
constexpr qint64 kMaxFileSize = 1024 * 1024;

} // namespace

std::string NumberText(double value)
{
    // Locale-independent, and the shortest text that reads back as the same double.
    char text[400];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, end.ptr);
}

namespace {

// A custom k as its field would show it: in the k unit in use, cut to the field's four decimals.
std::string CustomKText(const InputForm& form, const Tables& tables, const UnitSystem& units, InputField field)
{
    const MaterialInput& material = *MaterialOfK(field);
    if (form.Selection(material.selector) == 0)
        return NumberText(form.Value(field));
    NumericField shown(9, 4, LocaleChars{});
    shown.SetValue(ShownK((tables.*material.table).CustomK(), units), true);
    return NumberText(shown.Value());
}

// The problem messages are in the user's language, each one pattern, so that a translator sees the
// whole sentence; member names, the values the file holds and numbers go in as they are. One
// arg() call per pattern: a single pass, which leaves a "%1" in a file's name or member alone.
QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

// A JSON value as a problem message shows what it got: a string or a number as the file holds it.
QString Shown(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QJsonValue::Bool:
        return QLatin1String(value.toBool() ? "true" : "false");
    case QJsonValue::Array:
        return QCoreApplication::translate("CalcFile", "a list");
    case QJsonValue::Object:
        return QCoreApplication::translate("CalcFile", "an object");
    default:
        return QStringLiteral("null");
    }
}

std::optional<int> WholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (!std::isfinite(d) || d != std::trunc(d) || std::fabs(d) > INT_MAX)
        return std::nullopt;
    return static_cast<int>(d);
}

std::optional<int> ZeroOrOne(const QJsonValue& value)
{
    const std::optional<int> n = WholeNumber(value);
    if (n && (*n == 0 || *n == 1))
        return n;
    return std::nullopt;
}

// A number member as the text the numbers round pastes.
std::optional<std::string> PlainNumber(const QJsonValue& value)
{
    if (value.isDouble() && std::isfinite(value.toDouble()))
        return NumberText(value.toDouble());
    if (value.isString() && IsPlainNumber(value.toString().toStdString()))
        return value.toString().toStdString();
    return std::nullopt;
}

int LineAt(const QByteArray& bytes, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
}

// Where a member's key stands: the first "key" after `from` that a colon follows; -1 when the
// key is written with escapes or not at all.
qsizetype KeyOffset(const QByteArray& bytes, const QString& key, qsizetype from)
{
    const QByteArray quoted = '"' + key.toUtf8() + '"';
    for (qsizetype at = bytes.indexOf(quoted, std::max<qsizetype>(from, 0)); at >= 0;
         at = bytes.indexOf(quoted, at + 1)) {
        qsizetype after = at + quoted.size();
        while (after < bytes.size() && QChar::isSpace(static_cast<uchar>(bytes[after])))
            ++after;
        if (after < bytes.size() && bytes[after] == ':')
            return at;
    }
    return -1;
}

// Checks a parsed document member by member and keeps the problem that stands first in it.
class Checker {
public:
    Checker(const QByteArray& bytes, const Tables& tables)
        : bytes_(bytes)
        , tables_(tables)
    {
    }

    std::optional<Problem> Check(const QJsonObject& root, InputAssignments& into)
    {
        if (CheckFormatAndVersion(root))
            return first_;
        for (auto it = root.begin(); it != root.end(); ++it) {
            if (it.key() == QLatin1String("units"))
                CheckUnits(it.value(), into);
            else if (it.key() == QLatin1String("inputs"))
                CheckInputs(it.value(), into);
            else if (it.key() != QLatin1String("format") && it.key() != QLatin1String("version"))
                Report({}, it.key(), QCoreApplication::translate("CalcFile", "unknown member \"%1\"").arg(it.key()));
        }
        return first_;
    }

private:
    bool CheckFormatAndVersion(const QJsonObject& root)
    {
        const QJsonValue format = root.value(QLatin1String("format"));
        const QJsonValue version = root.value(QLatin1String("version"));
        if (format.isUndefined())
            Report({}, {},
                   QCoreApplication::translate("CalcFile", "not a calculation file: it has no \"format\" member"));
        else if (format.toString() != QLatin1String(kFormat))
            Report({}, QStringLiteral("format"),
                   QCoreApplication::translate("CalcFile", "not a calculation file: its format is %1, not \"%2\"")
                       .arg(Shown(format), QLatin1String(kFormat)));
        else if (version.isUndefined())
            Report({}, {}, QCoreApplication::translate("CalcFile", "it has no \"version\" member"));
        else if (WholeNumber(version) != kVersion)
            Report({}, QStringLiteral("version"),
                   QCoreApplication::translate("CalcFile", "version %1 is not known: this program reads version %2")
                       .arg(Shown(version), QString::number(kVersion)));
        return first_.has_value();
    }

    void CheckUnits(const QJsonValue& value, InputAssignments& into)
    {
        if (!value.isObject()) {
            Report({}, QStringLiteral("units"),
                   QCoreApplication::translate("CalcFile", "\"units\" is not an object, got %1").arg(Shown(value)));
            return;
        }
        const QJsonObject units = value.toObject();
        for (auto it = units.begin(); it != units.end(); ++it) {
            const std::string name = it.key().toStdString();
            const std::optional<int> choice = ZeroOrOne(it.value());
            if (KindOfInput(name) != InputKind::UnitChoice)
                Report(QStringLiteral("units"), it.key(),
                       QCoreApplication::translate("CalcFile", "unknown member \"%1\" in \"units\"").arg(it.key()));
            else if (!choice)
                Report(QStringLiteral("units"), it.key(), ZeroOrOneProblem(it.key(), it.value()));
            else
                into.units[name] = *choice;
        }
    }

    void CheckInputs(const QJsonValue& value, InputAssignments& into)
    {
        if (!value.isObject()) {
            Report({}, QStringLiteral("inputs"),
                   QCoreApplication::translate("CalcFile", "\"inputs\" is not an object, got %1").arg(Shown(value)));
            return;
        }
        const QJsonObject inputs = value.toObject();
        for (auto it = inputs.begin(); it != inputs.end(); ++it) {
            if (auto problem = CheckInput(it.key().toStdString(), it.value(), into))
                Report(QStringLiteral("inputs"), it.key(), *problem);
        }
    }

    static QString ZeroOrOneProblem(const QString& name, const QJsonValue& value)
    {
        return QCoreApplication::translate("CalcFile", "%1 takes 0 or 1, got %2").arg(name, Shown(value));
    }

    std::optional<QString> CheckInput(const std::string& name, const QJsonValue& value, InputAssignments& into)
    {
        switch (KindOfInput(name)) {
        case InputKind::Selection:
            return CheckSelection(name, value, into);
        case InputKind::Option:
            if (const std::optional<int> on = ZeroOrOne(value)) {
                into.options[name] = *on;
                return std::nullopt;
            }
            return ZeroOrOneProblem(Q(name), value);
        case InputKind::Number:
            if (std::optional<std::string> number = PlainNumber(value)) {
                into.numbers[name] = *number;
                return std::nullopt;
            }
            return QCoreApplication::translate("CalcFile", "%1 takes a number such as 455.55 or -7, got %2")
                .arg(Q(name), Shown(value));
        default:
            return QCoreApplication::translate("CalcFile", "unknown member \"%1\" in \"inputs\"").arg(Q(name));
        }
    }

    std::optional<QString> CheckSelection(const std::string& name, const QJsonValue& value, InputAssignments& into)
    {
        const int rows = SelectionRows(tables_, InputNamed(name)->SelectorId());
        const std::optional<int> row = WholeNumber(value);
        if (!row)
            return QCoreApplication::translate("CalcFile", "%1 takes a whole row number, got %2")
                .arg(Q(name), Shown(value));
        if (*row < 0 || *row >= rows)
            return QCoreApplication::translate("CalcFile", "%1 %2 is not a row of its table (0 to %3)")
                .arg(Q(name), QString::number(*row), QString::number(rows - 1));
        into.selections[name] = *row;
        return std::nullopt;
    }

    // Keeps the problem whose member stands first in the text.
    void Report(const QString& parent, const QString& key, const QString& text)
    {
        int line = 0;
        if (!key.isEmpty()) {
            const qsizetype from = parent.isEmpty() ? 0 : KeyOffset(bytes_, parent, 0);
            const qsizetype at = KeyOffset(bytes_, key, from);
            line = at < 0 ? 0 : LineAt(bytes_, at);
        }
        const auto rank = [](int l) { return l == 0 ? INT_MAX : l; };
        if (!first_ || rank(line) < rank(first_->line))
            first_ = Problem{line, text.toStdString()};
    }

    const QByteArray& bytes_;
    const Tables& tables_;
    std::optional<Problem> first_;
};

} // namespace

InputAssignments InputsOf(const InputForm& form, const Tables& tables, const UnitSystem& units)
{
    InputAssignments inputs;
    for (int i = 0; i < 6; ++i)
        inputs.units[kUnitChoiceNames[i]] = UnitChoice(units, i) != 0 ? 1 : 0;
    for (const InputRow& row : kInputs) {
        if (row.quantity == Quantity::Selection)
            inputs.selections[row.name] = form.Selection(row.SelectorId());
        else if (row.quantity == Quantity::Option)
            inputs.options[row.name] = form.Option(row.Box()) ? 1 : 0;
        else if (row.quantity == Quantity::KValue)
            inputs.numbers[row.name] = CustomKText(form, tables, units, row.Field());
        else
            inputs.numbers[row.name] = NumberText(form.Value(row.Field()));
    }
    return inputs;
}

QByteArray Document(const InputAssignments& inputs)
{
    QJsonObject units;
    for (const auto& [name, choice] : inputs.units)
        units.insert(QString::fromStdString(name), choice);
    QJsonObject values;
    for (const auto& [name, row] : inputs.selections)
        values.insert(QString::fromStdString(name), row);
    for (const auto& [name, on] : inputs.options)
        values.insert(QString::fromStdString(name), on);
    for (const auto& [name, number] : inputs.numbers)
        values.insert(QString::fromStdString(name), QString::fromStdString(number).toDouble());
    const QJsonObject root{
        {QStringLiteral("format"), QLatin1String(kFormat)},
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("units"), units},
        {QStringLiteral("inputs"), values},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Problem> Parse(const QByteArray& bytes, const Tables& tables, InputAssignments& into)
{
    // Some editors start a UTF-8 file with a byte order mark.
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return Problem{
            LineAt(text, error.offset),
            QCoreApplication::translate("CalcFile", "not valid JSON: %1").arg(error.errorString()).toStdString()};
    if (!document.isObject())
        return Problem{
            1, QCoreApplication::translate("CalcFile", "not a calculation file: the document is not a JSON object")
                   .toStdString()};
    InputAssignments checked;
    if (std::optional<Problem> problem = Checker(text, tables).Check(document.object(), checked))
        return problem;
    into = checked;
    return std::nullopt;
}

std::optional<std::string> Read(const QString& path, const Tables& tables, InputAssignments& into)
{
    QFile file(path);
    const auto unreadable = [&] {
        return QCoreApplication::translate("CalcFile", "%1: cannot be read: %2")
            .arg(path, file.errorString())
            .toStdString();
    };
    if (!file.open(QIODevice::ReadOnly))
        return unreadable();
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable();
    if (bytes.size() > kMaxFileSize)
        return QCoreApplication::translate("CalcFile", "%1: too large for a calculation file (over 1 MiB)")
            .arg(path)
            .toStdString();
    if (const std::optional<Problem> problem = Parse(bytes, tables, into)) {
        if (problem->line == 0)
            return path.toStdString() + ": " + problem->text;
        return QCoreApplication::translate("CalcFile", "%1: line %2: %3")
            .arg(path, QString::number(problem->line), Q(problem->text))
            .toStdString();
    }
    return std::nullopt;
}

void ApplyOverFirstRun(const InputAssignments& file, InputForm& form, Tables& tables, UnitSystem& units)
{
    units = UnitSystem{};
    StoredInputs::LoadStoredInputs(MemoryProfileStore{}, form, tables, units);
    InputRounds(form, tables, units).Apply(file, CustomKRule::IntoCustomRow);
}

std::optional<std::string> Open(const QString& path, InputForm& form, Tables& tables, UnitSystem& units)
{
    InputAssignments file;
    if (std::optional<std::string> error = Read(path, tables, file))
        return error;
    ApplyOverFirstRun(file, form, tables, units);
    return std::nullopt;
}

std::optional<std::string> Write(const QString& path, const InputAssignments& inputs)
{
    const QByteArray document = Document(inputs);
    QSaveFile file(path);
    // Unbuffered: a buffered QSaveFile loses an error of its last flush (a full disk, a file size
    // limit) and commits the truncated file over the old one.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(document) == document.size() &&
        file.commit())
        return std::nullopt;
    const QString why = file.errorString();
    file.cancelWriting();
    return QCoreApplication::translate("CalcFile", "%1: cannot be written: %2").arg(path, why).toStdString();
}

std::optional<std::string> Save(const QString& path, const InputForm& form, const Tables& tables,
                                const UnitSystem& units)
{
    return Write(path, InputsOf(form, tables, units));
}

} // namespace CalcFile
