#include "app/subFixControls.h"

namespace modMain {

void subFixControls() {}

}
