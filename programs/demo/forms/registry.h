#pragma once
// Which demo forms are built: the main-form button of each and the factory that makes the form.

#include <string>

#include "programs/demo/demoform.h"

// The factory of the form a main-form button opens; nullptr while that form is not built (its
// button stays disabled).
TDemoFactory DemoFactory(const std::string& Button);
