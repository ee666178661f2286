#pragma once

#include "runtime/form_definition.h"
#include "runtime/form_events.h"

namespace launcher {

// The controls of frmTALQO by their index in the stacking order, front-most first.
enum Control : runtime::ControlIndex { imgRight = 0, imgLeft, lblSubj, imgTop, imgCenter, imgSkin };

// The window's design-time definition: title, client size, icon and controls.
const runtime::FormDefinition& FrmTalqoDefinition();

}  // namespace launcher
