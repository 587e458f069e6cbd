#pragma once
// Counts heap allocations while counting is on: every operator new of the program and every
// allocation SDL makes. For the frame benchmark's "no allocation in a steady pass".

// Routes SDL's allocations through the counter, on top of the functions in place; once.
void countSdlAllocations();

// Starts or stops counting.
void countAllocations(bool on);

// Allocations counted so far.
long allocationCount();
