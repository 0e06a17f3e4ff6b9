// The platform layer may use logic and Qt, but never the windows or the programs.
#include "logic/core/records.h"
#include <QNetworkReply>
#include "ui/app/navigator.h"
#include "app/cli/command.h"
