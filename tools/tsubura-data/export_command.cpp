#include <cstdio>
#include <limits>

#include "command_line.h"
#include "commands.h"
#include "evaluation/points.h"
#include "installation.h"
#include "shell/text_file.h"
#include "store/results_file.h"

namespace tsubura::data_tool {

namespace {

QString csvField(const QString &text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvLine(const QStringList &fields) {
    QStringList cells;
    for (const QString &field : fields) cells << csvField(field);
    return cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

}  // namespace

int runExport(const QString &programDir, const QStringList &arguments) {
    const Options options(arguments, {QStringLiteral("--encoding")});
    const QString encoding = options.valueOr(QStringLiteral("--encoding"), QStringLiteral("utf-8"));
    if (encoding != QStringLiteral("utf-8") && encoding != QStringLiteral("cp932"))
        throw UsageError("--encoding must be utf-8 or cp932");

    SharedState state;
    loadInstallation(state, programDir);
    loadRosterOrFail(state, QDateTime::currentDateTime());

    const QString path = resultsFilePath(state.folders);
    ResultsSnapshot snapshot;
    if (auto error = readResults(path, std::numeric_limits<std::int64_t>::max(), OpenMode::MustExist, sleepingPause(),
                                 &snapshot))
        throw DataError((path + QStringLiteral(": ") + error->description).toStdString());

    QString out = csvLine({QStringLiteral("record"), QStringLiteral("date"), QStringLiteral("time"), QStringLiteral("student"),
                           QStringLiteral("name"), QStringLiteral("level"), QStringLiteral("seconds"),
                           QStringLiteral("points"), QStringLiteral("schoolCode")});
    std::int64_t number = snapshot.firstRecordNumber;
    for (const ResultRecord &record : snapshot.records) {
        const int student = record.studentNo;
        const bool listed = student >= 0 && student < kStudentSlots;
        const QString name = listed ? state.rosterNames[std::size_t(student)].trimmed() : QString();
        QString points;
        if (record.level >= 0 && record.level < kLevelSlots) {
            const RunPoints run = runPoints(state.criteriaOf(record.level), record.seconds);
            if (run.ok) points = QString::number(run.points);
        }
        const QDate date = dateFromSerialDay(record.recordDate);
        out += csvLine({QString::number(number++), date.toString(QStringLiteral("yyyy-MM-dd")),
                        timeFromDayFraction(record.recordClock).toString(QStringLiteral("HH:mm:ss")),
                        QString::number(student), name, QString::number(record.level), QString::number(record.seconds),
                        points, decodeWindows31j(record.schoolCode).trimmed()});
    }

    if (encoding == QStringLiteral("utf-8")) {
        print(out);
    } else {
        const std::optional<QByteArray> bytes = encodeWindows31j(out);
        if (!bytes) throw DataError("the results hold characters that cp932 cannot write; use --encoding utf-8");
        std::fwrite(bytes->constData(), 1, std::size_t(bytes->size()), stdout);
    }
    return 0;
}

}  // namespace tsubura::data_tool
