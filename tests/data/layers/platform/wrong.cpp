// The platform layer may use logic and Qt, but never the windows, the programs or a Qt
// Widgets header.
#include "logic/core/records.h"
#include <QNetworkReply>
#include <QPainter>
#include <QPrinter>
#include <QHelpEngine>
#include <QAction>
#include "ui/navigation/navigator.h"
#include "app/cli/command.h"
#include "../ui/common/message_box.h"
#include <QWidget>
#include <QtWidgets/QPushButton>
#  include "qapplication.h"
#include <QtWidgets>
