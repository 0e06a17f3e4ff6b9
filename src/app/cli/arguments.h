#pragma once

#include "logic/core/dates.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <chrono>

namespace talvo::cli {

// "--name value" options and bare words of a subcommand's arguments. Flags named in
// `flags` take no value.
class Arguments {
  public:
    Arguments(const QStringList& args, const QStringList& flags = {});

    bool has(const QString& name) const { return values_.contains(name); }
    QString value(const QString& name) const { return values_.value(name); }
    QStringList values(const QString& name) const { return values_.values(name); }
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
    QMultiMap<QString, QString> values_;
    QStringList positional_;
};

// A "dd.MM.yyyy" date; a UsageError when the text is no date.
logic::DaySerial parseDate(const QString& text);

} // namespace talvo::cli
