#pragma once
// Read-only files are only read-only to an ordinary user: root ignores file
// permissions. Tests of read-only behaviour run their body through this.
#include <functional>

namespace testsupport {

// Runs body where permissions are enforced: in place for an ordinary user, or in a
// child process as user "nobody" when the tests run as root. Files the body opens
// must be reachable by that user. True when the body ran without a test failure.
bool withPermissionsEnforced(const std::function<void()>& body);

} // namespace testsupport
