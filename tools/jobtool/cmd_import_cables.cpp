// jobtool import-cables: cables from a spreadsheet's CSV file, all or none.
#include "cmdargs_p.h"
#include "csv_p.h"
#include "jobtool_p.h"
#include "usecolors_p.h"

#include <ductbook.h>

#include <QColor>
#include <QFile>
#include <QHash>
#include <QSet>

namespace JobTool {

const char* const importCablesHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  import-cables JOB CABLES.csv [--dry-run] [--template QVT]\n"
    "                          Add the cables listed in a CSV file (UTF-8, a header row)\n"
    "                          to JOB and save it. Columns: from, to, type (required);\n"
    "                          id, use, bundle, bundle group, bundle number, colour\n"
    "                          (optional; an empty id is generated). Every row is\n"
    "                          checked first: if any is bad, nothing is added and every\n"
    "                          problem is listed with its line. --dry-run checks and\n"
    "                          shows what would be added without saving.\n");

namespace {

enum Column { From, To, Type, Id, Use, Bundle, BundleGroup, BundleNumber, Colour, ColumnCount };

// The names a header may give each column, compared without case; the
// schedule's own headings are among them.
const QHash<QString, Column>& columnNames()
{
    static const QHash<QString, Column> names{
        {QStringLiteral("from"), From},
        {QStringLiteral("from port"), From},
        {QStringLiteral("to"), To},
        {QStringLiteral("to port"), To},
        {QStringLiteral("type"), Type},
        {QStringLiteral("id"), Id},
        {QStringLiteral("cable"), Id},
        {QStringLiteral("use"), Use},
        {QStringLiteral("bundle"), Bundle},
        {QStringLiteral("bundle group"), BundleGroup},
        {QStringLiteral("bundle number"), BundleNumber},
        {QStringLiteral("colour"), Colour},
        {QStringLiteral("color"), Colour},
    };
    return names;
}

struct Problem
{
    int line;
    QString message;
};

struct NewCable
{
    int line = 0;
    QString fields[ColumnCount];
    const QString& operator[](Column c) const { return fields[c]; }
};

struct Header
{
    int index[ColumnCount];
    int width = 0;
    QStringList ignored;
};

bool readHeader(const Csv::Record& record, Header* header, QList<Problem>* problems)
{
    std::fill(std::begin(header->index), std::end(header->index), -1);
    header->width = int(record.fields.size());
    if (!record.problem.isEmpty()) {
        problems->append({record.line, record.problem});
        return false;
    }
    for (int i = 0; i < record.fields.size(); ++i) {
        const QString name = record.fields.at(i).trimmed();
        const auto it = columnNames().constFind(name.toLower());
        if (it == columnNames().constEnd()) {
            header->ignored.append(name);
            continue;
        }
        if (header->index[*it] >= 0) {
            problems->append(
                {record.line,
                 QCoreApplication::translate("jobtool", "column '%1' given twice").arg(name)});
            continue;
        }
        header->index[*it] = i;
    }
    for (Column required : {From, To, Type}) {
        if (header->index[required] < 0)
            problems->append(
                {record.line,
                 QCoreApplication::translate("jobtool", "the header has no '%1' column")
                     .arg(QStringList{"from", "to", "type"}.at(required))});
    }
    return problems->isEmpty();
}

bool fitsJobFile(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

// Everything the rows are checked against, read from the job once.
class Checker
{
public:
    Checker(Ductbook& job, QList<Problem>* problems) : m_job(job), m_problems(problems)
    {
        const QStringList keys = Plan::useKeys();
        m_uses = QSet<QString>(keys.cbegin(), keys.cend());
    }

    void check(NewCable& c)
    {
        for (const QString& f : c.fields) {
            if (!fitsJobFile(f))
                problem(c, QCoreApplication::translate(
                               "jobtool", "'%1' has characters that a job file cannot hold")
                               .arg(f));
        }
        for (Column end : {From, To}) {
            const QString& port = c[end];
            if (port.isEmpty())
                problem(c, end == From ? QCoreApplication::translate("jobtool", "no 'from' port")
                                       : QCoreApplication::translate("jobtool", "no 'to' port"));
            else if (!m_job.portExists(port, false))
                problem(c, QCoreApplication::translate("jobtool", "unknown port '%1'").arg(port));
        }
        if (!c[From].isEmpty() && c[From] == c[To])
            problem(c,
                    QCoreApplication::translate("jobtool", "both ends are port '%1'").arg(c[From]));
        if (c[Type].isEmpty())
            problem(c, QCoreApplication::translate("jobtool", "no cable type"));
        else if (!m_job.testDefExists(c[Type]))
            problem(c, QCoreApplication::translate("jobtool",
                                                   "unknown cable type '%1' (the job has: %2)")
                           .arg(c[Type], m_job.getTypes().join(QStringLiteral(", "))));
        if (!c[Id].isEmpty()) {
            if (m_job.cableExists(c[Id], false))
                problem(c,
                        QCoreApplication::translate("jobtool", "the job already has a cable '%1'")
                            .arg(c[Id]));
            else if (m_ids.contains(c[Id]))
                problem(c, QCoreApplication::translate("jobtool", "cable '%1' is also on line %2")
                               .arg(c[Id])
                               .arg(m_ids.value(c[Id])));
            else
                m_ids.insert(c[Id], c.line);
        }
        if (!c[Use].isEmpty() && !m_uses.contains(c[Use]))
            problem(c, QCoreApplication::translate("jobtool", "unknown use '%1'").arg(c[Use]));
        if (!c[Colour].isEmpty() && !QColor::isValidColorName(c[Colour]))
            problem(c,
                    QCoreApplication::translate("jobtool", "'%1' is not a colour").arg(c[Colour]));
        checkBundle(c);
    }

    // Rows of a bundle without a group form one new group per bundle; a
    // row without a bundle number takes its group's, or the next one of its
    // bundle.
    void numberBundles(QList<NewCable>& cables)
    {
        QHash<QString, QString> newGroups; // bundle -> group given in this file
        for (NewCable& c : cables) {
            if (c[Bundle].isEmpty())
                continue;
            if (c[BundleGroup].isEmpty()) {
                QString& group = newGroups[c[Bundle]];
                if (group.isEmpty())
                    group = QString::number(++m_highestGroup);
                c.fields[BundleGroup] = group;
            }
            if (c[BundleNumber].isEmpty()) {
                QString& number = m_groupNumbers[c[BundleGroup]];
                if (number.isEmpty())
                    number = QString::number(++m_highestNumber[c[Bundle]]);
                c.fields[BundleNumber] = number;
            }
        }
    }

private:
    void problem(const NewCable& c, const QString& message)
    {
        m_problems->append({c.line, message});
    }

    void readBundles()
    {
        if (m_bundlesRead)
            return;
        m_bundlesRead = true;
        for (const QString& tag : m_job.getCables(true)) {
            const QString name = m_job.getCableBundleName(tag);
            const QString group = m_job.getCableBundleGroupNum(tag);
            if (name.isEmpty() || group.isEmpty())
                continue;
            m_groupBundle.insert(group, name);
            m_groupNumbers.insert(group, m_job.getCableBundleNum(tag));
            m_highestGroup = qMax(m_highestGroup, group.toInt());
            int& highest = m_highestNumber[name];
            highest = qMax(highest, m_job.getCableBundleNum(tag).toInt());
        }
    }

    void checkBundle(const NewCable& c)
    {
        const QString& bundle = c[Bundle];
        if (bundle.isEmpty()) {
            if (!c[BundleGroup].isEmpty() || !c[BundleNumber].isEmpty())
                problem(c, QCoreApplication::translate(
                               "jobtool", "a bundle group or number without a bundle"));
            return;
        }
        if (!m_job.bundledCableTypeIdExists(bundle)) {
            problem(c, QCoreApplication::translate("jobtool", "unknown bundle '%1'").arg(bundle));
            return;
        }
        const QStringList types = m_job.getBundledCableType(bundle).types();
        if (!c[Type].isEmpty() && !types.contains(c[Type]))
            problem(c, QCoreApplication::translate("jobtool",
                                                   "type '%1' is not part of bundle '%2' (%3)")
                           .arg(c[Type], bundle, types.join(QStringLiteral(", "))));
        readBundles();
        const QString& group = c[BundleGroup];
        if (group.isEmpty())
            return;
        const QString owner = m_groupBundle.value(group);
        if (!owner.isEmpty() && owner != bundle)
            problem(c,
                    QCoreApplication::translate("jobtool", "bundle group %1 belongs to bundle '%2'")
                        .arg(group, owner));
        else
            m_groupBundle.insert(group, bundle);
        m_highestGroup = qMax(m_highestGroup, group.toInt());
    }

    Ductbook& m_job;
    QList<Problem>* m_problems;
    QSet<QString> m_uses;
    QHash<QString, int> m_ids; // id -> line
    bool m_bundlesRead = false;
    QHash<QString, QString> m_groupBundle;  // group -> bundle name
    QHash<QString, QString> m_groupNumbers; // group -> bundle number
    QHash<QString, int> m_highestNumber;    // bundle name -> highest number
    int m_highestGroup = 0;
};

int reportProblems(const QString& file, QList<Problem> problems)
{
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    // English and Italian both have one form for one and one for more.
    err() << "jobtool: "
          << (problems.size() == 1
                  ? QCoreApplication::translate("jobtool", "%1: 1 problem; nothing was added")
                        .arg(file)
                  : QCoreApplication::translate("jobtool", "%1: %2 problems; nothing was added")
                        .arg(file)
                        .arg(problems.size()))
          << "\n";
    for (const Problem& p : problems)
        err() << "  "
              << QCoreApplication::translate("jobtool", "line %1: %2").arg(p.line).arg(p.message)
              << "\n";
    return Usage;
}

} // namespace

int importCablesCommand(const QStringList& args)
{
    Arguments a;
    QString error;
    if (!parseArguments(QStringLiteral("import-cables"), args, {QStringLiteral("--dry-run")},
                        {QStringLiteral("--template")}, &a, &error))
        return usageError(error);
    if (a.positional.size() != 2)
        return usageError(QCoreApplication::translate(
            "jobtool", "usage: jobtool import-cables JOB CABLES.csv [--dry-run] [--template QVT]"));
    const QString jobPath = a.positional.at(0);
    const QString csvPath = a.positional.at(1);
    const bool dryRun = a.has(QStringLiteral("--dry-run"));

    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly)) {
        err() << "jobtool: "
              << QCoreApplication::translate("jobtool", "cannot read '%1': %2")
                     .arg(csvPath, file.errorString())
              << "\n";
        return Usage;
    }
    QString text;
    int badLine = 0;
    if (!Csv::decodeUtf8(file.readAll(), &text, &badLine))
        return reportProblems(
            csvPath, {{badLine, QCoreApplication::translate("jobtool", "not UTF-8 text")}});
    const QList<Csv::Record> records = Csv::parse(text);
    if (records.isEmpty())
        return reportProblems(csvPath,
                              {{1, QCoreApplication::translate("jobtool", "no header row")}});

    QList<Problem> problems;
    Header header;
    if (!readHeader(records.first(), &header, &problems))
        return reportProblems(csvPath, problems);
    if (records.size() == 1)
        return reportProblems(
            csvPath,
            {{1, QCoreApplication::translate("jobtool", "no cable rows below the header")}});

    Ductbook& job = Ductbook::Instance();
    if (!loadJob(job, jobPath, a.value(QStringLiteral("--template"))))
        return Usage;

    Checker checker(job, &problems);
    QList<NewCable> cables;
    for (int r = 1; r < records.size(); ++r) {
        const Csv::Record& record = records.at(r);
        if (!record.problem.isEmpty()) {
            problems.append({record.line, record.problem});
            continue;
        }
        if (record.fields.size() != header.width) {
            problems.append({record.line, QCoreApplication::translate(
                                              "jobtool", "%1 fields where the header has %2")
                                              .arg(record.fields.size())
                                              .arg(header.width)});
            continue;
        }
        NewCable c;
        c.line = record.line;
        for (int col = 0; col < ColumnCount; ++col) {
            if (header.index[col] >= 0)
                c.fields[col] = record.fields.at(header.index[col]).trimmed();
        }
        checker.check(c);
        cables.append(c);
    }
    if (!problems.isEmpty())
        return reportProblems(csvPath, problems);
    checker.numberBundles(cables);

    // Rows without an id get the job's next free one as they are added, in
    // file order; one of those may be an id that a later row asks for. The
    // job is only saved when every row went in.
    QStringList added;
    if (!header.ignored.isEmpty())
        added.append(QCoreApplication::translate("jobtool", "Ignored columns: %1\n")
                         .arg(header.ignored.join(QStringLiteral(", "))));
    for (const NewCable& c : cables) {
        if (!c[Id].isEmpty() && job.cableExists(c[Id], false))
            return reportProblems(csvPath,
                                  {{c.line, QCoreApplication::translate(
                                                "jobtool", "cable '%1' was given to an earlier row "
                                                           "without an id; give that row an id or "
                                                           "choose another")
                                                .arg(c[Id])}});
        TestResults untested;
        const QString id =
            job.addCable(QString(), c[Id].isEmpty() ? QStringLiteral("Cable") : c[Id], c[Use],
                         c[To], c[From], c[Type], c[Bundle], c[BundleNumber], c[BundleGroup],
                         c[Colour], QStringList(), untested, c[Id].isEmpty() ? 0 : 1);
        if (id.isEmpty()) {
            err() << "jobtool: "
                  << QCoreApplication::translate("jobtool",
                                                 "%1 has no cable list; nothing was added")
                         .arg(jobPath)
                  << "\n";
            return Usage;
        }
        added.append(QStringLiteral("  %1  %2 -> %3  %4\n").arg(id, c[From], c[To], c[Type]));
    }
    if (dryRun) {
        out() << added.join(QString())
              << QCoreApplication::translate("jobtool",
                                             "Would add %n cables to %1 (dry run: nothing written)",
                                             nullptr, int(cables.size()))
                     .arg(jobPath)
              << "\n";
        return Ok;
    }
    if (!job.save()) {
        err() << "jobtool: "
              << QCoreApplication::translate("jobtool", "cannot save %1: %2")
                     .arg(jobPath, job.error())
              << "\n";
        return Failure;
    }
    out() << added.join(QString())
          << QCoreApplication::translate("jobtool", "Added %n cables to %1", nullptr,
                                         int(cables.size()))
                 .arg(jobPath)
          << "\n";
    return Ok;
}

} // namespace JobTool
