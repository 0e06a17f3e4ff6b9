// The windows may use ui/common, the navigator, the platform and logic, but never the
// programs, ui/app, which builds them all, nor another window folder.
#include "../../app/cli/options.h"
#include "../app/start_window.h"
#include "../export/text_frame.h"
#include "app/cli/command.h"
#include "platform/download.h"
#include "ui/app/application.h"
#include "ui/common/text_frame.h"
#include "ui/draws/board.h"
#include "ui/navigation/navigator.h"
#include "ui/tips/tip_centre_window.h"
#include <QWidget>
