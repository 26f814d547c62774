#include "app/command_line.h"

#include <cstdio>

namespace wm4 {

CommandArgs::CommandArgs(const QString& command, const QStringList& arguments,
                         const QStringList& knownOptions)
    : m_command(command) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (!arg.startsWith(QStringLiteral("--")) || arg.size() == 2) {
            m_positional << arg;
            continue;
        }
        const QString name = arg.mid(2);
        // A known option written "name!" is a switch: it takes no value.
        const bool isSwitch = knownOptions.contains(name + u'!');
        if (name != u"data" && !isSwitch && !knownOptions.contains(name))
            throw CommandError(QStringLiteral("%1: unknown option %2").arg(command, arg));
        if (isSwitch) {
            if (m_options.contains(name))
                throw CommandError(QStringLiteral("%1: option %2 is given twice").arg(command, arg));
            m_options.insert(name, QString());
            continue;
        }
        if (i + 1 >= arguments.size())
            throw CommandError(QStringLiteral("%1: option %2 needs a value").arg(command, arg));
        // A second value would silently replace the first ("--forms a --forms b").
        if (m_options.contains(name))
            throw CommandError(QStringLiteral("%1: option %2 is given twice").arg(command, arg));
        m_options.insert(name, arguments[++i]);
    }
}

QString CommandArgs::argument(int i, const char* what) const {
    if (i >= m_positional.size())
        throw CommandError(
            QStringLiteral("%1: missing %2").arg(m_command, QString::fromLatin1(what)));
    return m_positional[i];
}

void CommandArgs::expectArguments(int count) const {
    if (m_positional.size() > count)
        throw CommandError(
            QStringLiteral("%1: unexpected argument \"%2\"").arg(m_command, m_positional[count]));
}

int CommandArgs::intOption(const QString& name, int fallback, int low, int high) const {
    if (!has(name)) return fallback;
    bool ok = false;
    const int value = option(name).toInt(&ok);
    if (!ok || value < low || value > high)
        throw CommandError(QStringLiteral("%1: --%2 must be a whole number from %3 to %4")
                               .arg(m_command, name)
                               .arg(low)
                               .arg(high));
    return value;
}

void PrintLine(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void PrintError(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace wm4
