// Times the npm package adif-parser-ts on an ADIF file, for the side-by-side run of
// bench/adif_vs_peer.sh. Usage: node adif_peer.mjs NODE_MODULES_DIR FILE [RUNS]
import { createRequire } from "node:module";
import { readFileSync } from "node:fs";
import path from "node:path";

const [modules, file, runsText] = process.argv.slice(2);
const require = createRequire(path.join(path.resolve(modules), "index.js"));
const { AdifParser } = require("adif-parser-ts");
const text = readFileSync(file, "latin1");
const runs = Number(runsText || 5);
let best = Infinity;
let records = 0;
for (let i = 0; i < runs; i++) {
  const before = process.cpuUsage();
  const parsed = AdifParser.parseAdi(text);
  const used = process.cpuUsage(before);
  records = parsed.records.length;
  best = Math.min(best, (used.user + used.system) / 1000);
}
console.log(JSON.stringify({ records, bytes: text.length, best_cpu_ms: best }));
