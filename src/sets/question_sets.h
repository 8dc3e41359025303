#pragma once
// Question sets: reading one (CSV, JSON or another bank), checking it,
// importing it into the bank, and exporting the bank as a set. The one
// header for the windows and the command line that offer them; the
// formats are described where each is read.

#include "sets/read_set.h"    // readSet, checkSet
#include "sets/set_export.h"  // exportSet
#include "sets/set_import.h"  // previewImport, importSet
