// Counts the test process's allocations between a start and a stop.
#pragma once

void StartCountingAllocations();
void StopCountingAllocations();
long CountedAllocations();
