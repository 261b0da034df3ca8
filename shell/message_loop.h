// The message loop: messages first, a palette frame whenever the queue is empty and the program active.
#pragma once

int RunMessageLoop();
