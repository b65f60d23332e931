#pragma once

// Until the chart and pivot components register themselves, their class names create a
// stand-in object, so that the report-window probe finds them when they are registered.
namespace startup {
void registerComponentPlaceholders();
}
