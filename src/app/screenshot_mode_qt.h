// `ZENTRA_SCREENSHOTS=DIR zentra` writes pictures of the main window in use
// into DIR (main-results.png, main-error.png, main-hex.png, and the dialog of
// a long run, main-progress.png) and exits; used by `make screenshots` to look
// at the window after every change.
#pragma once

class TFormMain;

bool screenshotModeRequested();
// Shows the window, runs the sample inputs, writes the pictures; the exit code.
int runScreenshotMode(TFormMain& window);
