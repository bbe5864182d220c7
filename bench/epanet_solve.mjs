// Solves an EPANET input file with EPANET 2.2 (epanet-js) and writes what the benchmark compares:
//     node epanet_solve.mjs NETWORK.inp RESULT.json
// The timed part is EPANET's own parse and steady-state solve of the file (open, solveH), as
// given. The heads and flows compared are those of a second solve with the accuracy tightened to
// 1e-8: at its default 0.001 EPANET stops while heads still move by a few percent of a pipe's
// head loss.
import { Project, CountType, NodeProperty, LinkProperty, Option, AnalysisStatistic } from "epanet-js";
import { Workspace } from "epanet-js/slim";
import { EpanetEngine } from "epanet-js/engines/v2.2";
import fs from "node:fs";
import path from "node:path";

const [inputPath, resultPath] = process.argv.slice(2);
if (!inputPath || !resultPath) {
  console.error("usage: node epanet_solve.mjs NETWORK.inp RESULT.json");
  process.exit(2);
}

const workspace = new Workspace();
// Node cannot fetch the engine's file: URL, so the engine is handed its WebAssembly bytes.
const wasmBinary = fs.readFileSync(new URL("./node_modules/epanet-js/dist/engines/v2.2/EpanetEngine.wasm", import.meta.url));
await workspace.loadModuleVersion(() => EpanetEngine({ wasmBinary }));
const project = new Project(workspace);
const name = path.basename(inputPath);
workspace.writeFile(name, fs.readFileSync(inputPath));

const started = process.hrtime.bigint();
project.open(name, "report.rpt", "");
project.solveH();
const seconds = Number(process.hrtime.bigint() - started) / 1e9;
const iterations = project.getStatistic(AnalysisStatistic.Iterations);
const relativeError = project.getStatistic(AnalysisStatistic.RelativeError);

project.setOption(Option.Accuracy, 1e-8);
project.setOption(Option.Trials, 1000);
project.solveH();
const tightIterations = project.getStatistic(AnalysisStatistic.Iterations);
const tightError = project.getStatistic(AnalysisStatistic.RelativeError);
const heads = [];
for (let i = 1; i <= project.getCount(CountType.NodeCount); ++i) heads.push(project.getNodeValue(i, NodeProperty.Head));
const flows = [];
for (let k = 1; k <= project.getCount(CountType.LinkCount); ++k) flows.push(project.getLinkValue(k, LinkProperty.Flow));
project.close();

fs.writeFileSync(resultPath, JSON.stringify({
  engine: workspace.version, seconds, iterations, relativeError, tightIterations, tightError,
  peakMemoryKiB: process.resourceUsage().maxRSS, heads, flows,
}));
