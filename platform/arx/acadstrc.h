// Status codes of the drawing database, numbered as the host numbers them.
// 0 is success; a lookup that finds no entry answers eKeyNotFound (22), not an error by itself.
#pragma once

namespace Acad {

enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet = 1,
    eNotApplicable = 2,
    eInvalidInput = 3,
    eOutOfMemory = 6,
    eInvalidOpenState = 8,
    eNullHandle = 11,
    eUnknownHandle = 13,
    eNullObjectPointer = 15,
    eNullObjectId = 16,
    eNullEntityPointer = 19,
    eIllegalEntityType = 20,
    eKeyNotFound = 22,
    eDuplicateKey = 23,
    eInvalidIndex = 24,
    eAlreadyInDb = 26,
    eInvalidSymbolTableName = 32,
    eInvalidKey = 33,
    eWrongObjectType = 34,
    eWrongDatabase = 35,
    eEndOfObject = 40,
    eEndOfFile = 41,
    eNotOpenForRead = 44,
    eNotOpenForWrite = 45,
    eNotThatKindOfClass = 46,
    eMissingDxfField = 48,
    eInvalidDxfCode = 50,
    eInvalidResBuf = 51,
    eBadDxfSequence = 52,
    eFilerError = 53,
    eWasOpenedForWrite = 80,
    eWasOpenedForRead = 81,
    eWasOpenedForNotify = 82,
    eWasErased = 84,
    ePermanentlyErased = 85,
    eWasNotOpenForWrite = 86,
    eFileNotFound = 121,
    eCantOpenFile = 122,
    eBadDwgHeader = 125,
    eNotADwgFile = 126,
    eDwgCRCError = 128,
    eDwgNeedsRecovery = 129,
    eMakeMeProxy = 301,
};

}  // namespace Acad
