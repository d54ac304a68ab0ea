#pragma once

#include "host/ElementKinds.h"

namespace kassio::host {

// Adds the rows of the toolkit's element kinds (labels, buttons, fields, images, lists, ...),
// in the order their style rules appear on a page.
void addToolkitRows(ElementKinds& kinds);

}  // namespace kassio::host
