// The platform layer may use logic and Qt, but never the windows, the programs or a Qt
// Widgets header.
#include "../ui/common/message_box.h"
#include "app/cli/command.h"
#include "logic/core/records.h"
#include "qapplication.h"
#include "ui/navigation/navigator.h"
#include <QAction>
#include <QHelpEngine>
#include <QNetworkReply>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets>
