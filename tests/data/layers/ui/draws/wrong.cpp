// The windows may use every folder of ui, the platform and logic, but never the programs.
#include "ui/app/application.h"
#include "../app/start_window.h"
#include "ui/navigation/navigator.h"
#include "platform/download.h"
#include <QWidget>
#include "app/cli/command.h"
#include "../../app/cli/options.h"
