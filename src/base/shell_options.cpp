#include "base/shell_options.h"

ShellOptions Shell;
