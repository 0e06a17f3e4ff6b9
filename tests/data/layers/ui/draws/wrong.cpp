// The windows may use the other window folders, the platform and logic, but never the
// programs nor ui/app, which builds them all.
#include "ui/app/application.h"
#include "../app/start_window.h"
#include "ui/navigation/navigator.h"
#include "platform/download.h"
#include <QWidget>
#include "app/cli/command.h"
#include "../../app/cli/options.h"
