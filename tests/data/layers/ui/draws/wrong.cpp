// The windows may use the other window folders, the platform and logic, but never the
// programs nor ui/app, which builds them all.
#include "../../app/cli/options.h"
#include "../app/start_window.h"
#include "app/cli/command.h"
#include "platform/download.h"
#include "ui/app/application.h"
#include "ui/navigation/navigator.h"
#include <QWidget>
