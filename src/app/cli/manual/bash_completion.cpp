#include "bash_completion.h"

#include "command.h"
#include "command_table.h"

#include <QStringList>

namespace talvo::cli {

namespace {

// One branch of the case over the command: its switches, which of them take a file or a
// folder or some other value, and whether its bare words are files.
QString commandCase(const CommandSpec& command) {
    QStringList switches{QStringLiteral("--help")};
    QStringList files;
    QStringList folders;
    QStringList values;
    for (const Switch& option : command.switches) {
        const QString name = QStringLiteral("--") + QString::fromUtf8(option.name);
        switches << name;
        if (option.isFlag())
            continue;
        (option.kind == ValueKind::File     ? files
         : option.kind == ValueKind::Folder ? folders
                                            : values)
            << name;
    }
    return QStringLiteral("        %1)\n"
                          "            switches='%2' files='%3' folders='%4' values='%5' operands=%6 ;;\n")
        .arg(QString::fromUtf8(command.name), switches.join(QLatin1Char(' ')), files.join(QLatin1Char(' ')),
             folders.join(QLatin1Char(' ')), values.join(QLatin1Char(' ')),
             command.operandKind == ValueKind::File ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace

QString bashCompletion() {
    QStringList names;
    QString cases;
    for (const CommandSpec& command : commandTable()) {
        names << QString::fromUtf8(command.name);
        cases += commandCase(command);
    }
    return QStringLiteral(
               "# bash completion for talvo-cli, written from its command table when it is built.\n"
               "_talvo_cli() {\n"
               "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
               "    local commands='%1'\n"
               "    COMPREPLY=()\n"
               "    if ((COMP_CWORD == 1)); then\n"
               "        COMPREPLY=($(compgen -W \"--help --version help $commands\" -- \"$cur\"))\n"
               "        return\n"
               "    fi\n"
               "    local switches files folders values operands\n"
               "    case ${COMP_WORDS[1]} in\n"
               "        help)\n"
               "            ((COMP_CWORD == 2)) && COMPREPLY=($(compgen -W \"$commands\" -- \"$cur\"))\n"
               "            return ;;\n"
               "%2"
               "        *) return ;;\n"
               "    esac\n"
               "    if [[ \" $files \" == *\" $prev \"* ]]; then\n"
               "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
               "    elif [[ \" $folders \" == *\" $prev \"* ]]; then\n"
               "        COMPREPLY=($(compgen -d -- \"$cur\"))\n"
               "    elif [[ \" $values \" == *\" $prev \"* ]]; then\n"
               "        return\n"
               "    elif [[ $cur == -* ]]; then\n"
               "        COMPREPLY=($(compgen -W \"$switches\" -- \"$cur\"))\n"
               "    elif ((operands)); then\n"
               "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
               "    fi\n"
               "}\n"
               "complete -o filenames -F _talvo_cli talvo-cli\n")
        .arg(names.join(QLatin1Char(' ')), cases);
}

} // namespace talvo::cli
