#pragma once
// The whole control layer.
#include "ui/Application.h"
#include "ui/Colors.h"
#include "ui/CommandLine.h"
#include "ui/Control.h"
#include "ui/ControlKinds.h"
#include "ui/Events.h"
#include "ui/Fonts.h"
#include "ui/LayerObject.h"
#include "ui/MessageBoxes.h"
#include "ui/MessageLoop.h"
#include "ui/ModalForms.h"
