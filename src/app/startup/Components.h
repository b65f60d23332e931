#pragma once

namespace platform {
class ComponentRegistry;
}

namespace startup {

// The program's components, created by their class names: the pivot table and the chart
// space in the three versions the report windows ask for, and the XML parser the server
// dialog probes for.
void registerComponents(platform::ComponentRegistry& registry);

}
