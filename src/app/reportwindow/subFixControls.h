#pragma once

// The report window's procedures of the start-up module.
namespace modMain {

// Lays out the report window in use for its view mode: the pivot table and the chart fill
// the room right of the tree, and the tree, the remove button, the logo and the web link
// follow the window's size. Reaches the window's controls by name.
void subFixControls();

}
