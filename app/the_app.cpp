#include "app/entity_helper_app.h"

// The one application object, constructed before the platform's main() starts it.
CEntityHelperApp theApp;
