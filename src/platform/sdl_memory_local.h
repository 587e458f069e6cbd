#pragma once
// SDL's heap for large blocks (pictures, the back buffer): whole huge pages where the system
// offers them, inside the platform layer only.

// Routes SDL's allocations of a megabyte and more through huge-page mappings, once per
// process; smaller ones, and blocks SDL took before, keep the allocator that was in place.
// On this kind of machine a picture's first touch of each 4 KiB page is the bulk of loading
// it; huge pages make that a few faults for the whole picture.
void useLargePagesForSdl();
