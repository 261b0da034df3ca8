// Shared workings of the DirectDraw stand-in.
#pragma once

#include "display/ddraw/ddraw_api.h"

// Counts objects in and out, so a test can see that everything made was released.
void DirectDrawObjectMade();
void DirectDrawObjectGone();

// Tells the host what the screen shows now: the primary surface through its palette.
void DirectDrawShowScreen(const IDirectDrawSurface* primary);

// The primary surface of a DirectDraw object, or null.
IDirectDrawSurface* DirectDrawPrimary(const IDirectDraw* directDraw);

// Lock tickets: a 32-bit stand-in for the address of a locked surface's pixels.
DWORD DirectDrawIssueTicket(IDirectDrawSurface* surface);
void DirectDrawWithdrawTicket(DWORD ticket);

// A surface or palette was released to nothing: its maker stops tracking it.
void DirectDrawForgetSurface(IDirectDraw* owner, IDirectDrawSurface* surface);
void DirectDrawForgetPalette(IDirectDraw* owner, IDirectDrawPalette* palette);
