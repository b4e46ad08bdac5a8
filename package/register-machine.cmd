@echo off
rem register-machine.cmd: see vestrel-regsvr.cmd
call "%~dp0vestrel-regsvr.cmd" 
