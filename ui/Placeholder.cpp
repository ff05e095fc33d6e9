// The control layer lives here.
