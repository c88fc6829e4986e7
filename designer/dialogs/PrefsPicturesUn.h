#pragma once

// Registers the pictures of the wish-list and preferences dialogs, which
// join the other dialogs' pictures: DialogPicture("import") and so on.
void RegisterPrefsPictures();
