// The commands the user types, exported under their own names.
#pragma once

extern "C" {
void ArPoRet();  // manhole type archive
void CalcRet();  // network database: choose, edit, check and calculate a network
void GePoRet();  // manholes along a profile
void ModiRet();  // modify a network element picked in the drawing
void NodoRet();  // insert a node
void PoliRet();  // make a branch from an existing polyline
void ProfRet();  // create profiles along chains of nodes
void RamoRet();  // insert a branch
void SerbRet();  // insert a tank
void TestRet();  // list the vertices of a picked pipe polyline
void TubaRet();  // design a pipe on a profile
}
