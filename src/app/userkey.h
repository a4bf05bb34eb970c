#pragma once

// Makes sure the user's settings for Quennic's Brivela exist, without putting
// anything in them: an empty settings file under the user's config directory.
// Nothing is read or written there, and a failure to create it is ignored.
void touchUserSettingsKey();
