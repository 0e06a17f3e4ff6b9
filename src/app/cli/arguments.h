#pragma once

#include "logic/core/dates.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <chrono>

namespace talvo::cli {

struct CommandSpec;

// A command's arguments read against its switches: "--name value" for a switch with a
// value, "--name" for a flag, bare words for the rest. A switch the command does not
// know, a missing value, a value that is one of the command's own switches and a switch
// given twice make the call wrong; "--help" or "-h" anywhere asks for the help instead.
class Arguments {
  public:
    Arguments(const QStringList& args, const CommandSpec& command);

    bool helpWanted() const { return helpWanted_; }
    // Why the call is wrong, empty when it is right.
    const QString& problem() const { return problem_; }

    bool has(const QString& name) const { return values_.contains(name); }
    QString value(const QString& name) const { return values_.value(name).value(0); }
    QStringList values(const QString& name) const { return values_.value(name); }
    // The option's value; a UsageError when it is missing.
    QString required(const QString& name) const;
    int integer(const QString& name, int fallback) const;
    // A time limit: a whole number of seconds, at least 1; a UsageError for anything else.
    std::chrono::seconds seconds(const QString& name, std::chrono::seconds fallback) const;
    const QStringList& positional() const { return positional_; }
    // "--now YYYY-MM-DD HH:MM" as a day serial, the real clock without it.
    logic::DaySerial now() const;
    QDateTime nowDateTime() const;

  private:
    void refuse(const QString& text);

    QMap<QString, QStringList> values_;
    QStringList positional_;
    QString problem_;
    bool helpWanted_ = false;
};

// A "dd.MM.yyyy" date; a UsageError when the text is no date.
logic::DaySerial parseDate(const QString& text);

} // namespace talvo::cli
