// The plug-in's document states while it is loaded: the list, its reactor in the host's document
// manager, and the state of the current document that every command and dialog works on.
#pragma once

class AcDbDatabase;
class TzRvnDocState;
class TzRvnDocStateList;

// Creates the list and its reactor, adds the reactor to the document manager and treats the
// host's current document as activated. Does nothing when they exist already.
void StartDocumentStates();
// Removes the reactor from the document manager and frees it, every state and the list.
void StopDocumentStates();
bool DocumentStatesStarted();
// The list; null when the document states are not started.
TzRvnDocStateList* documentStates();

// The state of the current document; null when there is none.
TzRvnDocState* currentDocState();
// The database of the current state; null when there is none.
AcDbDatabase* currentDatabase();
