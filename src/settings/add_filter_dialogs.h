#pragma once

// Creates the two add-filter dialogs that live for the whole run.
void CreateAddFilterDialogs();
