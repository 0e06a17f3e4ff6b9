#pragma once

#include <QString>

namespace talvo::logic {

// Whether an address (a web address or a mail address) is one of the reserved example
// names a build keeps until it is given its real server: example.net, example.com,
// example.org and their subdomains, or a name under .example, .invalid or .test. Such an
// address can only fail, so the program neither offers nor shows it. An empty address
// counts as a placeholder too.
bool isPlaceholderAddress(const QString& address);

} // namespace talvo::logic
