// The command line runs on logic and the platform, never on the windows.
#include "../../ui/common/message_box.h"
#include "command.h"
#include "logic/core/contact.h"
#include "platform/download.h"
#include "ui/navigation/navigator.h"
