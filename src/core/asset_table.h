#pragma once
// The start-up's asset table: every sprite and sound loaded in its fixed order, each handle
// stored in its field of the global Assets record.

// Loads the 46 rows in order, writing the "Made it here" progress lines between them.
void loadStartupAssets();
