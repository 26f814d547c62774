#pragma once
// The arguments of one command-line command and the small helpers every
// command uses: reading options, printing UTF-8, failing with a reason.
#include <QMap>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace wm4 {

// The command could not do its work (bad arguments, unreadable file): the
// program prints the reason on standard error and exits with status 1.
class CommandError : public std::runtime_error {
public:
    explicit CommandError(const QString& reason) : std::runtime_error(reason.toStdString()) {}
};

// "wendmoor4 NAME ARG... --option VALUE ...": the arguments after the command
// name, split into positional arguments and options. Every option takes one
// value.
class CommandArgs {
public:
    // Throws CommandError for an option the command does not know (every
    // command knows --data), an option without a value or one given twice.
    CommandArgs(const QString& command, const QStringList& arguments,
                const QStringList& knownOptions);

    const QString& command() const { return m_command; }
    const QStringList& positional() const { return m_positional; }

    // Positional argument i; throws CommandError naming `what` when missing.
    QString argument(int i, const char* what) const;
    // Throws CommandError when more than `count` positional arguments were given.
    void expectArguments(int count) const;

    bool has(const QString& option) const { return m_options.contains(option); }
    QString option(const QString& option) const { return m_options.value(option); }
    // A whole-number option between low and high; fallback when absent.
    int intOption(const QString& option, int fallback, int low, int high) const;

    // The --data folder, or empty.
    QString dataFolder() const { return option(QStringLiteral("data")); }

private:
    QString m_command;
    QStringList m_positional;
    QMap<QString, QString> m_options;
};

// One line of UTF-8 text on standard output.
void PrintLine(const QString& line);
// One line of UTF-8 text on standard error.
void PrintError(const QString& line);

}  // namespace wm4
