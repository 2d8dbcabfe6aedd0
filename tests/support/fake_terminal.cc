#include "support/fake_terminal.h"
