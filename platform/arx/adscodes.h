// Result codes of the host's C interface and the value types of result buffers.
#pragma once

// Value types of a resbuf (not DXF group codes, which a resbuf also carries).
#define RTNONE 5000     // no result (Return alone at a prompt)
#define RTREAL 5001     // real number
#define RTPOINT 5002    // 2D point
#define RTSHORT 5003    // short integer
#define RTANG 5004      // angle
#define RTSTR 5005      // string
#define RTENAME 5006    // entity name
#define RTPICKS 5007    // selection set name
#define RTORINT 5008    // orientation
#define RT3DPOINT 5009  // 3D point
#define RTLONG 5010     // 32-bit integer
#define RTVOID 5014     // blank symbol
#define RTLB 5016       // list begin
#define RTLE 5017       // list end
#define RTDOTE 5018     // dotted pair
#define RTNIL 5019      // nil
#define RTDXF0 5020     // group code 0, for acutBuildList only
#define RTT 5021        // T atom
#define RTRESBUF 5023   // resbuf
#define RTLONG_PTR 5030 // integer with pointer precision
#define RTINT64 5031    // 64-bit integer

// Results of the host's functions.
#define RTNORM 5100              // request succeeded
#define RTERROR (-5001)          // some other error (nothing picked, invalid request)
#define RTCAN (-5002)            // user cancelled
#define RTREJ (-5003)            // host rejected the request
#define RTFAIL (-5004)           // link failure
#define RTKWORD (-5005)          // keyword (text typed where a value was asked)
#define RTINPUTTRUNCATED (-5008) // input did not fit the buffer
