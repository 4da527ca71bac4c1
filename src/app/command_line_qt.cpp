#include "app/command_line_qt.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "shell/program_docs.h"

AppCommandLine parseAppCommandLine(const QStringList& arguments) {
    const zentra::ProgramDoc& doc = zentra::zentraDoc();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    QList<QCommandLineOption> options;
    for (const zentra::OptionDoc& o : doc.options) {
        QStringList names;
        if (o.shortName) names << QString(QChar::fromLatin1(o.shortName));
        names << QString::fromStdString(o.longName);
        options.append(QCommandLineOption(names, QString::fromStdString(o.help), QString::fromStdString(o.valueName)));
        parser.addOption(options.back());
    }
    AppCommandLine result;
    if (!parser.parse(arguments)) {
        result.action = AppCommandLine::Action::Refuse;
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.action = AppCommandLine::Action::ShowHelp;
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.action = AppCommandLine::Action::ShowVersion;
        return result;
    }
    const QStringList operands = parser.positionalArguments();
    if (operands.size() > 1) {
        result.action = AppCommandLine::Action::Refuse;
        result.error = QStringLiteral("only one document may be given");
        return result;
    }
    if (!operands.isEmpty() && operands.front().isEmpty()) {
        result.action = AppCommandLine::Action::Refuse;
        result.error = QStringLiteral("the document name is empty");
        return result;
    }
    if (!operands.isEmpty()) result.document = QFileInfo(operands.front()).absoluteFilePath();
    return result;
}
