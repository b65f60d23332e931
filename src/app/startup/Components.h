#pragma once

// The pivot table and chart space components, created by their class names in the three
// versions the report windows ask for. Called once at start, before the window probe.
namespace startup {
void registerComponents();
}
