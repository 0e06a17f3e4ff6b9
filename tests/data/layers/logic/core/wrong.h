// Includes the layer check must refuse, one per line, and a few it must let through. Core
// sits below every other folder of logic, so it uses none of them.
#pragma once
#include "../app/cli/command.h"
#include "../state/program_state.h"
#include "logic/core/records.h"
#include "logic/update/program_update.h"
#include "platform/download.h"
#include "qpainter.h"
#include "ui/common/message_box.h"
#include <QSoundEffect>
#include <QString>
#include <QWidget>
#include <QtCore/QDate>
#include <QtNetwork>
#include <QtWidgets/QWidget>
#include <qnetworkaccessmanager.h>
