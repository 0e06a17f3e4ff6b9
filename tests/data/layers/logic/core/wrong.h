// Includes the layer check must refuse, one per line, and a few it must let through.
#pragma once
#include <QWidget>
#include <QtWidgets/QWidget>
#  include "qpainter.h"
#include <QtNetwork>
#include <qnetworkaccessmanager.h>
#include <QSoundEffect>
#include "ui/common/message_box.h"
#include "../app/cli/command.h"
#include "platform/download.h"
#include <QString>
#include <QtCore/QDate>
#include "logic/core/records.h"
#include "logic/update/program_update.h"
